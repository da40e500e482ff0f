#!/bin/bash
# Runs the workflow on the bundled example, with two cores, on every road a
# strain may take:
#   - the vesmar aligner's alignment results file given (Anna, Ben, Cleo:
#     FASTQ reads and a plain file, gseq reads and a gzip-compressed one,
#     FASTA reads), each file checked against the file the programs'
#     dialogues write for the same answers;
#   - reads aligned by bwa mem: Anna's two lanes of single reads (as Dana),
#     Bea's gzip-compressed pairs and the parent's single reads, their SNPs
#     checked against the changes planted in them;
#   - a BAM file given (Emil: the example's SAM file as BAM), whose results
#     file is the example's own, byte for byte;
# then the same reads through minimap2 -ax sr. Every strain gets its overview
# page, and when Candidate_rank is built, every strain but the parent its
# candidate lists. A second run redoes nothing; a configuration with a
# missing or wrong key fails with a message naming the strain and the key.
#
#   workflow_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "workflow_test: $*" >&2; exit 1; }
start=$(date +%s)

bin="$work/bin"
mkdir -p "$bin"
for program in point_scan/Point_scan gap_scan/Gap_region_scan reads_importer/Reads_importer \
               chromosome_join/Chromosome_join alignment_counts/Alignment_counts genome_overview/Genome_overview; do
  [ -x "$build/$program" ] || fail "$build/$program is not built"
  ln -s "$build/$program" "$bin/"
done
# Candidate_rank is ranked with when it is built.
candidates=false
if [ -x "$build/candidate_rank/Candidate_rank" ]; then
  ln -s "$build/candidate_rank/Candidate_rank" "$bin/"
  candidates=true
fi
for command in clear PAUSE; do printf '#!/bin/sh\nexit 0\n' > "$bin/$command"; chmod +x "$bin/$command"; done
export PATH="$bin:$PATH"

"$build/examples/vesmar_example_package" "$work/workflow_home"
desktop="$work/workflow_home/Desktop"
results="$desktop/vesmar/Alignment_results"
gzip -c "$desktop/lane2.fastq" > "$desktop/lane2.fastq.gz"
gzip -c "$desktop/Bea_R1.fastq" > "$desktop/Bea_R1.fastq.gz"
gzip -c "$desktop/Bea_R2.fastq" > "$desktop/Bea_R2.fastq.gz"
gzip -c "$results/Anna_run1.txt" > "$results/Ben_run1.txt.gz"
cp "$results/Anna_run1.txt" "$results/Cleo_run1.txt"
samtools view -b -o "$desktop/Emil.bam" "$desktop/Anna_run1.sam"
cp -r "$work/workflow_home" "$work/dialogue_home"
cp -r "$work/workflow_home" "$work/minimap2_home"

aligned_strains='
  Dana: {reads: [lane1.fastq, lane2.fastq.gz]}
  Bea: {reads: [[Bea_R1.fastq.gz, Bea_R2.fastq.gz]]}
  Parent: {reads: [Parent.fastq]}'
cat > "$work/strains.yaml" <<CONFIG
home: $work/workflow_home
programs: $bin
genome: {name: genome_I.txt, chromosomes: [chrI.fa]}
ratio: 3
min_mut_reads: 2
candidates: $candidates
background: [Parent]
strains:
  Anna: {reads: [lane1.fastq, lane2.fastq.gz], format: fastq, alignment: Anna_run1.txt}
  Ben: {reads: [lane1_gseq.txt, lane2_gseq.txt], format: gseq, alignment: Ben_run1.txt.gz}
  Cleo: {reads: [lane1.fasta, lane2.fasta], format: fasta, alignment: Cleo_run1.txt}
  Emil: {bam: Emil.bam}$aligned_strains
CONFIG
cat > "$work/minimap2.yaml" <<CONFIG
home: $work/minimap2_home
programs: $bin
genome: {name: genome_I.txt, chromosomes: [chrI.fa]}
aligner: minimap2 -ax sr
ratio: 3
min_mut_reads: 2
candidates: $candidates
background: [Parent]
strains:$aligned_strains
CONFIG

run_workflow() {
  local config=$1
  shift
  snakemake -s "$source/workflow/Snakefile" --configfile "$config" --cores 2 --directory "$work/state" "$@"
}
run_workflow "$work/strains.yaml" > "$work/first.log" 2>&1 || { cat "$work/first.log" >&2; fail "the workflow failed"; }

# The alignment results files given: the same answers, in the dialogues.
(
  cd "$work/dialogue_home"
  printf 'm\n1\nchrI.fa\ngenome_I.txt\n' | Chromosome_join > /dev/null
  printf 'Anna\nfastq\n2\nlane1.fastq\nlane2.fastq.gz\n' | Reads_importer > /dev/null
  printf 'Ben\ngseq\n2\nlane1_gseq.txt\nlane2_gseq.txt\n' | Reads_importer > /dev/null
  printf 'Cleo\nfasta\n2\nlane1.fasta\nlane2.fasta\n' | Reads_importer > /dev/null
  for strain_alignment in Anna:Anna_run1.txt Ben:Ben_run1.txt.gz Cleo:Cleo_run1.txt; do
    strain=${strain_alignment%%:*}
    alignment=${strain_alignment#*:}
    for region in e i n; do
      printf '3 2 %s %s %s\n' "$strain" "$alignment" "$region" | Point_scan > /dev/null
      printf '%s %s %s\n' "$region" "$strain" "$alignment" | Gap_region_scan > /dev/null
    done
    # The overview links to the strain's candidate page when there is one:
    # the dialogues' package gets the pages the workflow ranked.
    if [ "$candidates" = true ]; then
      mkdir -p Desktop/vesmar/Candidates
      cp "$work/workflow_home/Desktop/vesmar/Candidates/${strain}_candidates.html" Desktop/vesmar/Candidates/ 2>/dev/null || true
    fi
    printf '%s\n' "$strain" | Genome_overview > /dev/null
  done
) || fail "a dialogue failed"

outputs=0
for folder in Genome_sequences Sequence_reads SNP_results Deletion_results Overview; do
  for file in "$work/dialogue_home/Desktop/vesmar/$folder"/*; do
    name="$folder/$(basename "$file")"
    cmp -s "$file" "$work/workflow_home/Desktop/vesmar/$name" || fail "$name differs from the dialogue's"
    outputs=$((outputs + 1))
  done
done
[ "$outputs" = 43 ] || fail "$outputs outputs as the dialogues write them, not 43"
[ "$(ls "$work/workflow_home/Desktop/vesmar/Sequence_reads")" = "$(printf 'Anna_reads.txt\nBen_reads.txt\nCleo_reads.txt')" ] ||
  fail "reads were imported for strains that the workflow aligns"

# The BAM file given: Alignment_counts gives the example's results file.
cmp -s "$results/Emil.txt" "$results/Anna_run1.txt" || fail "Emil.txt, from Emil.bam, is not Anna_run1.txt"

# The SNPs of the reads the aligner aligned: where the changes were planted
# (examples/example_batch.cpp; Anna's in examples/example_sample.cpp).
snp_positions() {
  cat "$1/Desktop/vesmar/SNP_results/$2"_snp_*.vcf | grep -v '^#' | cut -f2 | sort -n -u | tr '\n' ' '
}
check_planted() {
  local home=$1 aligner=$2
  [ "$(snp_positions "$home" Bea)" = "481 606 1300 1301 1562 2601 " ] ||
    fail "$aligner: Bea's SNPs are at $(snp_positions "$home" Bea), not where her changes were planted"
  [ "$(snp_positions "$home" Parent)" = "1300 1301 2601 " ] ||
    fail "$aligner: the parent's SNPs are at $(snp_positions "$home" Parent), not where its changes were planted"
  # minimap2's short-read preset aligns few of Anna's 36-base reads: only
  # bwa's alignments are held to her changes.
  [ "$aligner" = bwa ] && for position in 447 701 1300 1301 1706 1910 2231; do
    case " $(snp_positions "$home" Dana)" in
      *" $position "*) ;;
      *) fail "$aligner: Dana (Anna's reads) has no SNP at $position: $(snp_positions "$home" Dana)" ;;
    esac
  done
  for strain in Dana Bea Parent; do
    [ -s "$home/Desktop/vesmar/Overview/${strain}_overview.html" ] || fail "$aligner: no overview page for $strain"
  done
  if [ "$candidates" = true ]; then
    for strain in Dana Bea; do
      for file in "${strain}_candidates.tsv" "${strain}_linked.bed" "${strain}_candidates.html"; do
        [ -f "$home/Desktop/vesmar/Candidates/$file" ] || fail "$aligner: Candidate_rank wrote no $file"
      done
      grep -q "../Candidates/${strain}_candidates.html" "$home/Desktop/vesmar/Overview/${strain}_overview.html" ||
        fail "$aligner: ${strain}'s overview page has no link to the candidate list"
    done
    ! ls "$home/Desktop/vesmar/Candidates/" | grep -q Parent || fail "$aligner: the background strain was ranked"
  fi
}
check_planted "$work/workflow_home" bwa
samtools quickcheck "$work/workflow_home/Desktop/vesmar/Alignments/Bea.bam" || fail "Bea.bam is no good BAM file"

# A second run redoes nothing and touches nothing.
before=$(find "$work/workflow_home/Desktop/vesmar" -type f -printf '%p %T@\n' | sort)
run_workflow "$work/strains.yaml" > "$work/second.log" 2>&1 ||
  { cat "$work/second.log" >&2; fail "the second run failed"; }
grep -q "Nothing to be done" "$work/second.log" || { cat "$work/second.log" >&2; fail "the second run did work"; }
after=$(find "$work/workflow_home/Desktop/vesmar" -type f -printf '%p %T@\n' | sort)
[ "$before" = "$after" ] || fail "the second run touched files"

# Another aligner.
run_workflow "$work/minimap2.yaml" > "$work/minimap2.log" 2>&1 ||
  { cat "$work/minimap2.log" >&2; fail "the workflow failed with minimap2"; }
check_planted "$work/minimap2_home" minimap2
[ ! -e "$work/minimap2_home/Desktop/vesmar/Alignments/reference.fa.bwt" ] || fail "minimap2's run made bwa's index"

# Wrong configurations: a message naming the strain and the key, no
# traceback, nothing run.
expect_refusal() {
  local message=$1 strains=$2
  sed '/^strains:/,$d' "$work/strains.yaml" > "$work/wrong.yaml"
  printf 'strains:\n%s\n' "$strains" >> "$work/wrong.yaml"
  if run_workflow "$work/wrong.yaml" --dry-run > "$work/wrong.log" 2>&1; then
    fail "a configuration with $strains ran"
  fi
  grep -qF "$message" "$work/wrong.log" || { cat "$work/wrong.log" >&2; fail "no message \"$message\""; }
  ! grep -q "Traceback\|KeyError" "$work/wrong.log" || { cat "$work/wrong.log" >&2; fail "a traceback for $strains"; }
}
expect_refusal "strain Bea: 'reads' is missing" "  Bea: {format: fastq}"
expect_refusal "strain Bea: 'reads' mixes single files and pairs" "  Bea: {reads: [a.fq, [b.fq, c.fq]]}"
expect_refusal "strain Bea: unknown key 'read'" "  Bea: {read: [a.fq]}"
expect_refusal "strain Bea: 'format' is gseq" "  Bea: {reads: [a.txt], format: gseq}"
expect_refusal "'background' names 'Pia'" "  Bea: {reads: [a.fq]}
background: [Pia]"
echo "workflow_test: 43 outputs as the dialogues write them; bwa and minimap2 find the planted changes;" \
  "candidate lists: $candidates; a second run redoes nothing; $(( $(date +%s) - start )) s"
