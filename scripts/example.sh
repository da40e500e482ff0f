#!/bin/sh
# The main job on the bundled example, from the sequencer's reads to an
# overview page and a ranked candidate list per strain. Builds the programs
# and PAUSE (installing missing Debian packages, bwa and samtools among them,
# when run as root), installs them into a scratch folder, writes the example
# there, and runs the workflow (workflow/Snakefile, workflow/config.yaml) on
# its batch: the reads of Anna, Bea and their parent through bwa mem,
# samtools, Alignment_counts, both scanners in the three region choices,
# Genome_overview and Candidate_rank. Then it shows the dialogues of the
# original programs on Anna's files as the vesmar aligner left them:
# Chromosome_join, Reads_importer, Alignment_counts (on the example's SAM
# file), Point_scan and Gap_region_scan, each answered from a
# here-document, and prints where each output is and the first rows of each
# report. Everything it writes lies under the scratch folder and build/,
# never in the repository's own files.
#
#   sh scripts/example.sh            scratch folder build/example-run
#   VESMAR_EXAMPLE_RUN=/tmp/x sh scripts/example.sh
set -e
cd "$(dirname "$0")/.."
source_root=$(pwd)
sh scripts/install_packages.sh example

build="$source_root/build/example"
run="${VESMAR_EXAMPLE_RUN:-$source_root/build/example-run}"
echo "== Building the programs in $build"
mkdir -p "$build"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESMAR_TESTS=OFF &&
       cmake --build "$build" -j 2 --target Point_scan Gap_region_scan Reads_importer Chromosome_join Genome_overview \
         Alignment_counts Feature_import Candidate_rank PAUSE vesmar_example_package; } >"$build/example-build.log" 2>&1; then
  tail -n 40 "$build/example-build.log" >&2
  echo "example.sh: the build failed; the whole log is $build/example-build.log" >&2
  exit 1
fi

echo "== Installing them into $run/installed"
rm -rf "$run"
mkdir -p "$run/transcripts"
cmake --install "$build" --prefix "$run/installed" >/dev/null

# The workflow's batch and the original programs' dialogues each get a copy
# of the example of their own, so that neither changes the other's files.
for home in batch home; do
  echo "== Writing the example into $run/$home"
  "$build/examples/vesmar_example_package" "$run/$home"
  # Sequencing facilities deliver reads compressed: lane 2 and Bea's pairs
  # come as .gz files.
  for file in lane2.fastq Bea_R1.fastq Bea_R2.fastq; do
    gzip -c "$run/$home/Desktop/$file" >"$run/$home/Desktop/$file.gz"
  done
done

# The installed programs, and the installed PAUSE that the scanners run at
# their end (with answers from a here-document it returns at once). The
# programs clear the screen first: a dumb terminal keeps this log readable.
PATH="$run/installed/bin:$PATH"
TERM=dumb
export PATH TERM
cd "$run/home"
transcripts="$run/transcripts"

batch="$run/batch/Desktop/vesmar"
echo "== The workflow: the batch's reads through bwa mem to the overview pages and candidate lists"
if ! snakemake -s "$source_root/workflow/Snakefile" --cores 2 --directory "$run/workflow" \
       --config home="$run/batch" programs="$run/installed/bin" candidates=true \
       >"$transcripts/workflow.txt" 2>&1; then
  tail -n 40 "$transcripts/workflow.txt" >&2
  echo "example.sh: the workflow failed; its whole log is $transcripts/workflow.txt" >&2
  exit 1
fi
echo "  $(grep -o '[0-9]* of [0-9]* steps (100%) done' "$transcripts/workflow.txt" | tail -n 1); the log is $transcripts/workflow.txt"
echo
echo "== The original programs' dialogues, on Anna's files as the vesmar aligner left them"
echo "== Chromosome_join: chromosome I into the genome sequence file"
Chromosome_join >"$transcripts/Chromosome_join.txt" <<'ANSWERS'
m
1
chrI.fa
genome_I.txt
ANSWERS

echo "== Reads_importer: two lanes of FASTQ reads, the second gzip-compressed"
Reads_importer >"$transcripts/Reads_importer.txt" <<'ANSWERS'
Anna
fastq
2
lane1.fastq
lane2.fastq.gz
ANSWERS

# The external vesmar aligner would now align Anna_reads.txt against
# genome_I.txt; the example brings its result, Alignment_results/Anna_run1.txt.
# Another aligner's result, the reads' true alignments in Anna_run1.sam,
# gives the same file.
echo "== Alignment_counts: Anna_run1.sam, as another aligner writes it"
Alignment_counts >"$transcripts/Alignment_counts.txt" <<'ANSWERS'
Anna_run1.sam
chrI.fa
Anna_run1_from_sam.txt
0
0
ANSWERS
cmp -s Desktop/vesmar/Alignment_results/Anna_run1_from_sam.txt Desktop/vesmar/Alignment_results/Anna_run1.txt ||
  { echo "example.sh: Alignment_counts did not give the example's alignment results file" >&2; exit 1; }

for region in e i n; do
  echo "== Point_scan and Gap_region_scan, region choice $region"
  Point_scan >"$transcripts/Point_scan_$region.txt" <<ANSWERS
3
2
Anna
Anna_run1.txt
$region
ANSWERS
  Gap_region_scan >"$transcripts/Gap_region_scan_$region.txt" <<ANSWERS
$region
Anna
Anna_run1.txt
ANSWERS
done

package="$run/home/Desktop/vesmar"
echo
echo "The example ran in $run/home (the folder that holds Desktop/);"
echo "the dialogues of the runs are in $transcripts/, the key to what was planted in"
echo "$run/home/planted_changes.txt."
echo
genome="$package/Genome_sequences/genome_I.txt"
echo "Genome sequence file: $genome"
echo "  $(tr -d '\n' <"$genome" | wc -c) bases: chromosome I (3000) and 50 g of padding"
reads="$package/Sequence_reads/Anna_reads.txt"
echo "Reads file: $reads"
echo "  $(wc -l <"$reads") reads; the first three:"
head -n 3 "$reads" | sed 's/^/  /'
for report in SNP_results/Anna_snp_cexons.txt SNP_results/Anna_snp_cintrons.txt \
              SNP_results/Anna_snp_cintergenic.txt Deletion_results/Anna_del_cexons.txt \
              Deletion_results/Anna_del_cintrons.txt Deletion_results/Anna_del_cintergenic.txt; do
  echo
  echo "Report: $package/$report"
  # The column headings, the rule, and the first rows.
  sed -n '8,18p' "$package/$report"
done

echo
echo "== Genome_overview: the picture of the strain"
Genome_overview >"$transcripts/Genome_overview.txt" <<'ANSWERS'
Anna
ANSWERS
echo "Overview page (open it in a web browser): $package/Overview/Anna_overview.html"

echo
echo "The workflow's batch ran in $run/batch (workflow/config.yaml; the key to the changes"
echo "planted in Bea and Parent: $run/batch/batch_changes.txt; Anna's: $run/batch/planted_changes.txt):"
for strain in Anna Bea Parent; do
  echo "  $strain: overview page $batch/Overview/${strain}_overview.html"
  if [ "$strain" != Parent ]; then
    echo "        candidate list $batch/Candidates/${strain}_candidates.html (and .tsv, _linked.bed)"
  fi
done
echo "  Parent is the background: its changes are left out of the candidate lists."
