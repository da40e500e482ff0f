#!/bin/bash
# Runs the workflow on the bundled example extended to three strains (FASTQ
# reads and a plain alignment results file, gseq reads and a gzip-compressed
# one, FASTA reads), with two cores; checks every file it writes against the
# file the programs' dialogues write for the same answers; then runs it again
# and checks that nothing is redone.
#
#   workflow_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "workflow_test: $*" >&2; exit 1; }

bin="$work/bin"
mkdir -p "$bin"
for program in point_scan/Point_scan gap_scan/Gap_region_scan reads_importer/Reads_importer \
               chromosome_join/Chromosome_join; do
  ln -s "$build/$program" "$bin/"
done
for command in clear PAUSE; do printf '#!/bin/sh\nexit 0\n' > "$bin/$command"; chmod +x "$bin/$command"; done
export PATH="$bin:$PATH"

"$build/examples/vesmar_example_package" "$work/workflow_home"
desktop="$work/workflow_home/Desktop"
results="$desktop/vesmar/Alignment_results"
gzip -c "$desktop/lane2.fastq" > "$desktop/lane2.fastq.gz"
gzip -c "$results/Anna_run1.txt" > "$results/Ben_run1.txt.gz"
cp "$results/Anna_run1.txt" "$results/Cleo_run1.txt"
cp -r "$work/workflow_home" "$work/dialogue_home"

cat > "$work/strains.yaml" <<CONFIG
home: $work/workflow_home
programs: $bin
genome: {name: genome_I.txt, chromosomes: [chrI.fa]}
ratio: 3
min_mut_reads: 2
strains:
  Anna: {reads: [lane1.fastq, lane2.fastq.gz], format: fastq, alignment: Anna_run1.txt}
  Ben: {reads: [lane1_gseq.txt, lane2_gseq.txt], format: gseq, alignment: Ben_run1.txt.gz}
  Cleo: {reads: [lane1.fasta, lane2.fasta], format: fasta, alignment: Cleo_run1.txt}
CONFIG

run_workflow() {
  snakemake -s "$source/workflow/Snakefile" --configfile "$work/strains.yaml" --cores 2 \
    --directory "$work/state" "$@"
}
run_workflow > "$work/first.log" 2>&1 || { cat "$work/first.log" >&2; fail "the workflow failed"; }

# The same answers, in the dialogues.
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
  done
) || fail "a dialogue failed"

outputs=0
for folder in Genome_sequences Sequence_reads SNP_results Deletion_results; do
  for file in "$work/dialogue_home/Desktop/vesmar/$folder"/*; do
    name="$folder/$(basename "$file")"
    cmp -s "$file" "$work/workflow_home/Desktop/vesmar/$name" || fail "$name differs from the dialogue's"
    outputs=$((outputs + 1))
  done
  [ "$(ls "$work/dialogue_home/Desktop/vesmar/$folder")" = "$(ls "$work/workflow_home/Desktop/vesmar/$folder")" ] ||
    fail "$folder holds other files than the dialogue's"
done
[ "$outputs" = 40 ] || fail "$outputs outputs, not 40"

# A second run redoes nothing and touches nothing.
before=$(find "$work/workflow_home/Desktop/vesmar" -type f -printf '%p %T@\n' | sort)
run_workflow > "$work/second.log" 2>&1 || { cat "$work/second.log" >&2; fail "the second run failed"; }
grep -q "Nothing to be done" "$work/second.log" || { cat "$work/second.log" >&2; fail "the second run did work"; }
after=$(find "$work/workflow_home/Desktop/vesmar" -type f -printf '%p %T@\n' | sort)
[ "$before" = "$after" ] || fail "the second run touched files"
echo "workflow_test: 40 outputs as the dialogues write them; a second run redoes nothing"
