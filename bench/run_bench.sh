#!/bin/bash
# Runs the suite's programs on a synthetic package folder, beside the
# floors (wc -l and cat on the same input files; samtools depth -a on the
# BAM file where samtools is installed), the plain getline reader and the
# plain block loop, and prints a table of median wall times, peak resident memory and
# ratios. Each program gets its scripted answers on standard input and runs
# with stand-ins for "clear" and "PAUSE" that print nothing. Every output
# (report, reads file, genome file) must be the same in every run.
#
#   bash bench/run_bench.sh [--scale genome|medium|small] [--seed N]
#                           [--data FOLDER] [--build FOLDER] [--runs N]
#                           [--quick] [--regenerate] [--quiet-wait SECONDS]
#                           [--commit ID] [--nice N]
#
# --data     where the generated folder lives (default ../bench_data/SCALE-seedN
#            beside the repository; never inside it). It is generated when it
#            is missing, incomplete, of another scale or seed or written by
#            another version of the generator, or always with --regenerate.
# --build    the build folder holding the programs (default build/release).
#            Each program can also be named by an environment variable:
#            POINT_SCAN, GAP_REGION_SCAN, READS_IMPORTER, CHROMOSOME_JOIN,
#            ALIGNMENT_COUNTS, BENCH_GENERATE, PLAIN_READER, RUN_MEASURED; a
#            program that is not built (or named "none") is left out of the
#            table.
# --runs     measured runs per case, after one warm-up run (default 3).
# --quick    two runs per case, no warm-up and no judging of the targets: only
#            checks that every program succeeds and gives the same output in
#            each run (the smoke test).
# --nice N   run the measured commands at niceness N (negative, as root, to
#            give them the CPU before other work on a shared machine; the
#            default 0 leaves it as it is).
# --commit   the commit the programs were built from, for the table's heading
#            (default: the repository's HEAD).
# --quiet-wait SECONDS
#            before each case, wait up to SECONDS (default 300, 0 with --quick)
#            until other processes leave the machine idle (under 10% of its
#            CPU for a second), since the figures are only worth anything on
#            an otherwise idle machine. CPU time (user + system) is recorded
#            beside wall time as the figure that other load disturbs least.
#
# The table goes to standard output and to results.md in the data folder.
# Exit status: 0 when every run succeeded and every output was the same in
# each run, 1 otherwise (the timing targets are reported, not enforced).
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
scale=genome
seed=1
runs=3
quick=0
quiet_wait=""
commit=""
niceness=0
regenerate=0
build="$repo/build/release"
data=""

while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --quick) quick=1; shift ;;
    --quiet-wait) quiet_wait=$2; shift 2 ;;
    --commit) commit=$2; shift 2 ;;
    --nice) niceness=$2; shift 2 ;;
    --regenerate) regenerate=1; shift ;;
    -h|--help) awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"; exit 0 ;;
    *) echo "run_bench.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -n "$data" ] || data="$repo/../bench_data/$scale-seed$seed"
warmups=1
if [ "$quick" = 1 ]; then runs=2; warmups=0; fi
[ -n "$quiet_wait" ] || quiet_wait=$([ "$quick" = 1 ] && echo 0 || echo 300)

BENCH_GENERATE=${BENCH_GENERATE:-$build/bench/bench_generate}
PLAIN_READER=${PLAIN_READER:-$build/bench/plain_reader}
RUN_MEASURED=${RUN_MEASURED:-$build/bench/run_measured}
POINT_SCAN=${POINT_SCAN:-$build/point_scan/Point_scan}
GAP_REGION_SCAN=${GAP_REGION_SCAN:-$build/gap_scan/Gap_region_scan}
READS_IMPORTER=${READS_IMPORTER:-$build/reads_importer/Reads_importer}
CHROMOSOME_JOIN=${CHROMOSOME_JOIN:-$build/chromosome_join/Chromosome_join}
ALIGNMENT_COUNTS=${ALIGNMENT_COUNTS:-$build/alignment_counts/Alignment_counts}

# The programs run in other folders: make their paths absolute.
absolute() { case $1 in /*|none) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
BENCH_GENERATE=$(absolute "$BENCH_GENERATE")
PLAIN_READER=$(absolute "$PLAIN_READER")
RUN_MEASURED=$(absolute "$RUN_MEASURED")
POINT_SCAN=$(absolute "$POINT_SCAN")
GAP_REGION_SCAN=$(absolute "$GAP_REGION_SCAN")
READS_IMPORTER=$(absolute "$READS_IMPORTER")
CHROMOSOME_JOIN=$(absolute "$CHROMOSOME_JOIN")
ALIGNMENT_COUNTS=$(absolute "$ALIGNMENT_COUNTS")

for tool in "$BENCH_GENERATE" "$RUN_MEASURED" "$PLAIN_READER"; do
  if [ ! -x "$tool" ]; then
    echo "run_bench.sh: $tool is not built (build the bench targets first)" >&2
    exit 2
  fi
done

built() { [ "$1" != none ] && [ -x "$1" ]; }

# --- the data --------------------------------------------------------------

manifest_value() { sed -n "s/^$1=//p" "$data/manifest.txt" 2>/dev/null; }

if [ "$regenerate" = 1 ] || [ "$(manifest_value generator)" != "$("$BENCH_GENERATE" --version)" ] ||
   [ "$(manifest_value scale)" != "$scale" ] ||
   [ "$(manifest_value seed)" != "$seed" ] || [ "$(manifest_value stress)" != yes ]; then
  echo "Generating the $scale-scale data (seed $seed) in $data ..."
  mkdir -p "$data" || exit 2
  if ! "$BENCH_GENERATE" --scale "$scale" --seed "$seed" --stress --out "$data" >/dev/null; then
    echo "run_bench.sh: the generator failed" >&2
    exit 2
  fi
fi
data=$(cd "$data" && pwd)
desk="$data/Desktop"
align="$desk/vesmar/Alignment_results"
stress_folder="$data/stress_regions"

# Stand-ins for the shell commands the programs run.
mkdir -p "$data/bin"
for command in clear PAUSE; do
  printf '#!/bin/sh\nexit 0\n' > "$data/bin/$command"
  chmod +x "$data/bin/$command"
done
export PATH="$data/bin:$PATH"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- measuring ---------------------------------------------------------------

declare -A median cpu peak same outbytes outlines runs_text
rows=()
failed=0

# The processor, as lscpu names it, with its family and model: the figures
# hold for one kind of processor, and some kinds name only their maker.
processor() {
  lscpu 2>/dev/null | awk -F: '
    { gsub(/^[ \t]+/, "", $2) }
    $1 == "Model name" { name = $2 } $1 == "CPU family" { family = $2 } $1 == "Model" { model = $2 }
    END { printf "%s (family %s, model %s)", name == "" ? "processor unknown" : name, family, model }'
}
middle() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int(NR / 2) + 1] }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
bytes_mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1e6 }'; }
file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }
input_size() { local total=0 f; for f in "$@"; do total=$((total + $(file_size "$f"))); done; echo "$total"; }

# The share of the machine's CPU that was busy over one second (percent).
busy_percent() {
  local a b
  read -r _ a1 a2 a3 a4 a5 a6 a7 a8 _ < /proc/stat
  sleep 1
  read -r _ b1 b2 b3 b4 b5 b6 b7 b8 _ < /proc/stat
  local total=$(( (b1 + b2 + b3 + b4 + b5 + b6 + b7 + b8) - (a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8) ))
  local idle=$(( (b4 + b5) - (a4 + a5) ))
  [ "$total" -gt 0 ] || { echo 0; return; }
  echo $(( 100 * (total - idle) / total ))
}
busy_cases=""
wait_for_quiet() {  # wait_for_quiet ID
  [ "$quiet_wait" -gt 0 ] || return 0
  local waited=0 busy
  while busy=$(busy_percent); [ "$busy" -ge 10 ]; do
    waited=$((waited + 1))
    if [ "$waited" -ge "$quiet_wait" ]; then
      echo "  (machine still ${busy}% busy after ${quiet_wait} s; measuring $1 anyway)" >&2
      busy_cases="$busy_cases $1"
      return 0
    fi
  done
}

# run_case ID WORKFOLDER ANSWERS STDOUT OUTPUT COMMAND...
#   ANSWERS  text given on standard input ("" for none)
#   STDOUT   where standard output goes: "null"; "keep" to compare it
#            between runs (when OUTPUT is "-"); "copy" for a file in the data
#            folder (removed after each run), as a program writes its output
#   OUTPUT   the output file whose content must not change between runs
#            (removed after each run), or "-"
run_case() {
  local id=$1 folder=$2 answers=$3 stdout=$4 output=$5
  shift 5
  local total=$((warmups + runs)) i times="" cpus="" peak_kib=0 sums="" size=0
  printf '%s' "$answers" > "$work/answers"
  wait_for_quiet "$id"
  for ((i = 1; i <= total; i++)); do
    local out=/dev/null
    [ "$stdout" = keep ] && out="$work/stdout"
    [ "$stdout" = copy ] && out="$data/copy.tmp"
    [ "$output" != - ] && rm -f "$output"
    (cd "$folder" && nice -n "$niceness" "$RUN_MEASURED" "$work/measure" "$@" < "$work/answers" > "$out" 2> "$work/stderr")
    local status=$?
    if [ "$status" != 0 ]; then
      echo "FAILED: $id (run $i) exited with status $status: $*" >&2
      sed 's/^/  | /' "$work/stderr" | head -20 >&2
      failed=1
      median[$id]=""
      return
    fi
    read -r seconds cpu_seconds kib _ < "$work/measure"
    rm -f "$data/copy.tmp"
    local sum="-"
    if [ "$output" != - ]; then
      sum=$(md5sum < "$output" | cut -c1-32)
      size=$(file_size "$output")
      [ "$i" = 1 ] && outlines[$id]=$(wc -l < "$output")
      rm -f "$output"
    elif [ "$stdout" = keep ]; then
      sum=$(md5sum < "$work/stdout" | cut -c1-32)
    fi
    sums="$sums $sum"
    if [ "$i" -gt "$warmups" ]; then
      times="$times $seconds"
      cpus="$cpus $cpu_seconds"
      [ "$kib" -gt "$peak_kib" ] && peak_kib=$kib
    fi
  done
  median[$id]=$(middle $times)
  cpu[$id]=$(middle $cpus)
  peak[$id]=$peak_kib
  outbytes[$id]=$size
  if [ "$(printf '%s\n' $sums | sort -u | wc -l)" = 1 ]; then
    same[$id]=yes
  else
    same[$id]=NO
    failed=1
    echo "DIFFERENT OUTPUTS: $id:$sums" >&2
  fi
  runs_text[$id]=$(echo $times)
  echo "  $id: median ${median[$id]} s (CPU ${cpu[$id]} s), peak $(mib "$peak_kib") MiB, outputs same: ${same[$id]}," \
       "md5 ${sums##* }" >&2
}

ratio() {  # ratio A B, or "-" when either is missing
  if [ -z "${1:-}" ] || [ -z "${2:-}" ]; then echo "-"; return; fi
  awk -v a="$1" -v b="$2" 'BEGIN { if (b <= 0) print "-"; else printf "%.2f", a / b }'
}

# --- the cases ----------------------------------------------------------------

alignment="$align/alignment.txt"
stress_alignment="$align/stress_alignment.txt"
# The alignment results file as labs store it, gzip-compressed (by igzip,
# ISA-L's gzip, where it is installed: Debian package isal).
compressed="$align/alignment.txt.gz"
gunzip_command=(gzip -dc)
command -v igzip > /dev/null && gunzip_command=(igzip -dc)
if [ ! -s "$compressed" ] || [ "$compressed" -ot "$alignment" ]; then
  echo "Compressing $alignment ..." >&2
  if command -v igzip > /dev/null; then igzip -c "$alignment" > "$compressed"; else gzip -1 -c "$alignment" > "$compressed"; fi
fi
chromosome_files=(chrI.fa chrII.fa chrIII.fa chrIV.fa chrV.fa chrX.fa)
chromosome_paths=()
for f in "${chromosome_files[@]}"; do chromosome_paths+=("$desk/$f"); done

echo "Benchmark: scale $scale, seed $seed, $runs runs after $warmups warm-up(s), data in $data" >&2
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
[ -n "$commit" ] || commit=$(git -C "$repo" rev-parse --short HEAD 2>/dev/null || echo unknown)

echo "Floors" >&2
run_case wc_alignment "$data" "" null - wc -l "$alignment"
run_case cat_alignment "$data" "" null - cat "$alignment"
run_case gunzip_alignment "$data" "" null - "${gunzip_command[@]}" "$compressed"
run_case wc_stress "$data" "" null - wc -l "$stress_alignment"
run_case cat_stress "$data" "" null - cat "$stress_alignment"
run_case cat_fastq "$data" "" null - cat "$desk/reads.fastq"
run_case cat_fastq_short "$data" "" null - cat "$desk/reads_short.fastq"
run_case cat_gseq "$data" "" null - cat "$desk/reads.gseq"
run_case cat_fasta "$data" "" null - cat "$desk/reads.fasta"
run_case cat_chromosomes "$data" "" null - cat "${chromosome_paths[@]}"
run_case cat_genome_fa "$data" "" null - cat "$desk/genome.fa"
# cat writing its copy into a file, as the importer and the joiner write theirs.
run_case copy_fastq "$data" "" copy - cat "$desk/reads.fastq"
run_case copy_chromosomes "$data" "" copy - cat "${chromosome_paths[@]}"
run_case copy_genome_fa "$data" "" copy - cat "$desk/genome.fa"

echo "Plain readers: getline, and a plain loop over blocks" >&2
run_case plain_point "$data" "" keep - "$PLAIN_READER" point 3 2 "$alignment"
run_case plain_gap "$data" "" keep - "$PLAIN_READER" gap "$alignment"
run_case block_point "$data" "" keep - "$PLAIN_READER" --blocks point 3 2 "$alignment"
run_case block_gap "$data" "" keep - "$PLAIN_READER" --blocks gap "$alignment"

if built "$POINT_SCAN"; then
  echo "Point_scan" >&2
  for mode in e i n; do
    case $mode in e) file=cexons.txt ;; i) file=cintrons.txt ;; n) file=cintergenic.txt ;; esac
    run_case point_$mode "$data" "$(printf '3\n2\nbench\nalignment.txt\n%s\n' $mode)" null \
      "$desk/vesmar/SNP_results/bench_snp_$file" "$POINT_SCAN"
  done
  run_case point_compressed_i "$data" "$(printf '3\n2\nbench\nalignment.txt.gz\ni\n')" null \
    "$desk/vesmar/SNP_results/bench_snp_cintrons.txt" "$POINT_SCAN"
  run_case point_stress_e "$data" "$(printf '3\n2\nbench\nstress_alignment.txt\ne\n')" null \
    "$desk/vesmar/SNP_results/bench_snp_cexons.txt" "$POINT_SCAN"
  run_case point_stress_million "$stress_folder" "$(printf '3\n2\nbench\nstress_alignment.txt\nn\n')" null \
    "$stress_folder/Desktop/vesmar/SNP_results/bench_snp_cintergenic.txt" "$POINT_SCAN"
fi

if built "$GAP_REGION_SCAN"; then
  echo "Gap_region_scan" >&2
  for mode in e i n; do
    case $mode in e) file=cexons.txt ;; i) file=cintrons.txt ;; n) file=cintergenic.txt ;; esac
    run_case gap_$mode "$data" "$(printf '%s\nbench\nalignment.txt\n' $mode)" null \
      "$desk/vesmar/Deletion_results/bench_del_$file" "$GAP_REGION_SCAN"
  done
  run_case gap_compressed_i "$data" "$(printf 'i\nbench\nalignment.txt.gz\n')" null \
    "$desk/vesmar/Deletion_results/bench_del_cintrons.txt" "$GAP_REGION_SCAN"
fi

if built "$READS_IMPORTER"; then
  echo "Reads_importer" >&2
  reads_out="$desk/vesmar/Sequence_reads/bench_reads.txt"
  run_case reads_fastq "$data" "$(printf 'bench\nfastq\n1\nreads.fastq\n')" null "$reads_out" "$READS_IMPORTER"
  run_case reads_fastq_short "$data" "$(printf 'bench\nfastq\n1\nreads_short.fastq\n')" null "$reads_out" "$READS_IMPORTER"
  run_case reads_gseq "$data" "$(printf 'bench\ngseq\n1\nreads.gseq\n')" null "$reads_out" "$READS_IMPORTER"
  run_case reads_fasta "$data" "$(printf 'bench\nfasta\n1\nreads.fasta\n')" null "$reads_out" "$READS_IMPORTER"
fi

if built "$CHROMOSOME_JOIN"; then
  echo "Chromosome_join" >&2
  layout="$desk/vesmar/Feature_locations/chromosomes.txt"
  layout_kept="$data/chromosomes.txt.kept"
  rm -f "$layout_kept"
  [ ! -f "$layout" ] || cp "$layout" "$layout_kept"
  genome_out="$desk/vesmar/Genome_sequences/bench_genome.txt"
  run_case join_separate "$data" "$(printf 'm\n6\n'; printf '%s\n' "${chromosome_files[@]}"; printf 'bench_genome.txt\n')" \
    null "$genome_out" "$CHROMOSOME_JOIN"
  run_case join_single "$data" "$(printf 's\ngenome.fa\nbench_genome.txt\n')" null "$genome_out" "$CHROMOSOME_JOIN"
  # The join writes the layout of its six chromosome files, which are not the
  # genome the BAM file was aligned to: put back what the package had.
  if [ -f "$layout_kept" ]; then mv "$layout_kept" "$layout"; else rm -f "$layout"; fi
fi
# The BAM file of the reads' true alignments, against samtools depth -a
# (which reads it and writes a line for every position) on the same file.
bam="$desk/alignments.bam"
if built "$ALIGNMENT_COUNTS" && [ -s "$bam" ]; then
  echo "Alignment_counts" >&2
  command -v samtools > /dev/null && run_case depth_bam "$data" "" null - samtools depth -a "$bam"
  run_case counts_bam "$data" "$(printf 'alignments.bam\nreference.fa\nbench_counts.txt\n0\n0\n')" null \
    "$align/bench_counts.txt" "$ALIGNMENT_COUNTS"
  # With one and two threads (the second decompresses beside the counting),
  # against the tools a lab would otherwise use on two threads: mosdepth
  # writing per-base depth (it needs the BAM index), and samtools only
  # decompressing and counting the records.
  for threads in 1 2; do
    run_case counts_bam_t$threads "$data" "" null "$align/bench_counts.txt" "$ALIGNMENT_COUNTS" \
      --alignments alignments.bam --reference reference.fa --results bench_counts.txt --threads $threads
  done
  if command -v samtools > /dev/null; then
    [ -s "$bam.bai" ] && [ ! "$bam.bai" -ot "$bam" ] || samtools index -@ 2 "$bam"
    run_case view_count_t2 "$data" "" keep - samtools view -@ 2 -c "$bam"
    command -v mosdepth > /dev/null &&
      run_case mosdepth_t2 "$data" "" null "$data/mosdepth_bench.per-base.bed.gz" mosdepth -t 2 "$data/mosdepth_bench" "$bam"
  fi
fi
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# --- the table ----------------------------------------------------------------

# row ID LABEL INPUT_BYTES FLOOR_ID BASELINE_ID [BLOCK_BASELINE_ID]
row() {
  local id=$1 label=$2 bytes=$3 floor=$4 baseline=$5 blocks=${6:--}
  [ -n "${median[$id]:-}" ] || return
  local vs_floor="-" vs_plain="-" vs_blocks="-" floor_text="-"
  if [ "$floor" != - ] && [ -n "${median[$floor]:-}" ]; then
    vs_floor="$(ratio "${median[$id]}" "${median[$floor]}") ($(ratio "${cpu[$id]}" "${cpu[$floor]}"))"
    floor_text="$floor"
  fi
  [ "$baseline" != - ] && vs_plain="$(ratio "${median[$baseline]:-}" "${median[$id]}") ($(ratio "${cpu[$baseline]:-}" "${cpu[$id]}"))"
  [ "$blocks" != - ] && vs_blocks="$(ratio "${median[$blocks]:-}" "${median[$id]}") ($(ratio "${cpu[$blocks]:-}" "${cpu[$id]}"))"
  rows+=("| $label | $(bytes_mb "$bytes") | ${median[$id]} | ${cpu[$id]} | ${runs_text[$id]} | $(mib "${peak[$id]}") | $floor_text | $vs_floor | $vs_plain | $vs_blocks | $(bytes_mb "${outbytes[$id]}") | ${outlines[$id]:--} | ${same[$id]} |")
}

a_bytes=$(input_size "$alignment")
s_bytes=$(input_size "$stress_alignment")
row wc_alignment "wc -l alignment" "$a_bytes" - -
row cat_alignment "cat alignment" "$a_bytes" - -
row gunzip_alignment "${gunzip_command[*]} alignment.txt.gz" "$(input_size "$compressed")" - -
row wc_stress "wc -l stress alignment" "$s_bytes" - -
row cat_stress "cat stress alignment" "$s_bytes" - -
row plain_point "plain reader, point (3, 2)" "$a_bytes" wc_alignment -
row plain_gap "plain reader, gap" "$a_bytes" wc_alignment -
row block_point "plain block loop, point (3, 2)" "$a_bytes" wc_alignment -
row block_gap "plain block loop, gap" "$a_bytes" wc_alignment -
for mode in e i n; do row point_$mode "Point_scan 3 2 $mode" "$a_bytes" wc_alignment plain_point block_point; done
for mode in e i n; do row gap_$mode "Gap_region_scan $mode" "$a_bytes" wc_alignment plain_gap block_gap; done
row point_compressed_i "Point_scan 3 2 i, compressed" "$(input_size "$compressed")" gunzip_alignment -
row gap_compressed_i "Gap_region_scan i, compressed" "$(input_size "$compressed")" gunzip_alignment -
row point_stress_e "Point_scan stress, exons" "$s_bytes" wc_stress -
row point_stress_million "Point_scan stress, $(manifest_value stress_regions) regions" "$s_bytes" wc_stress -
row cat_fastq "cat reads.fastq" "$(input_size "$desk/reads.fastq")" - -
row copy_fastq "cat reads.fastq > file" "$(input_size "$desk/reads.fastq")" - -
row reads_fastq "Reads_importer fastq" "$(input_size "$desk/reads.fastq")" cat_fastq -
row cat_fastq_short "cat reads_short.fastq" "$(input_size "$desk/reads_short.fastq")" - -
row reads_fastq_short "Reads_importer fastq (short)" "$(input_size "$desk/reads_short.fastq")" cat_fastq_short -
row cat_gseq "cat reads.gseq" "$(input_size "$desk/reads.gseq")" - -
row reads_gseq "Reads_importer gseq" "$(input_size "$desk/reads.gseq")" cat_gseq -
row cat_fasta "cat reads.fasta" "$(input_size "$desk/reads.fasta")" - -
row reads_fasta "Reads_importer fasta" "$(input_size "$desk/reads.fasta")" cat_fasta -
row cat_chromosomes "cat chrI..chrX.fa" "$(input_size "${chromosome_paths[@]}")" - -
row copy_chromosomes "cat chrI..chrX.fa > file" "$(input_size "${chromosome_paths[@]}")" - -
row join_separate "Chromosome_join m (6 files)" "$(input_size "${chromosome_paths[@]}")" cat_chromosomes -
row cat_genome_fa "cat genome.fa" "$(input_size "$desk/genome.fa")" - -
row copy_genome_fa "cat genome.fa > file" "$(input_size "$desk/genome.fa")" - -
row join_single "Chromosome_join s (genome.fa)" "$(input_size "$desk/genome.fa")" cat_genome_fa -
row depth_bam "samtools depth -a alignments.bam" "$(input_size "$bam")" - -
row counts_bam "Alignment_counts alignments.bam" "$(input_size "$bam")" depth_bam -
row view_count_t2 "samtools view -@ 2 -c alignments.bam" "$(input_size "$bam")" - -
row mosdepth_t2 "mosdepth -t 2 (per-base depth)" "$(input_size "$bam")" - -
row counts_bam_t1 "Alignment_counts --threads 1" "$(input_size "$bam")" mosdepth_t2 -
row counts_bam_t2 "Alignment_counts --threads 2" "$(input_size "$bam")" mosdepth_t2 -

# --- the targets --------------------------------------------------------------

verdicts=()
judge() {  # judge TEXT A B CONDITION(awk expression over a, b)
  local text=$1 a=$2 b=$3 expression=$4
  if [ -z "$a" ] || [ -z "$b" ]; then verdicts+=("- n/a: $text (not measured)"); return; fi
  if awk -v a="$a" -v b="$b" "BEGIN { exit !($expression) }"; then
    verdicts+=("- met: $text")
  else
    verdicts+=("- NOT met: $text")
  fi
}
if [ "$quick" = 0 ]; then
  for mode in e i n; do
    for program in point gap; do
      id=${program}_$mode
      name=$([ $program = point ] && echo "Point_scan 3 2 $mode" || echo "Gap_region_scan $mode")
      [ -n "${median[$id]:-}" ] || continue
      judge "$name: wall ${median[$id]} s <= 4 x wc -l (${median[wc_alignment]:-?} s)" \
        "${median[$id]}" "${median[wc_alignment]:-}" "a <= 4 * b"
      judge "$name: wall at least 10x below the plain reader's (${median[plain_$program]:-?} s)" \
        "${median[$id]}" "${median[plain_$program]:-}" "b >= 10 * a"
      judge "$name: peak memory $(mib "${peak[$id]}") MiB < 100 MB" "${peak[$id]}" 1 "a * 1024 < 100e6"
    done
  done
  for id in point_compressed_i gap_compressed_i; do
    [ -n "${median[$id]:-}" ] || continue
    judge "$id: wall ${median[$id]} s <= 1.3 x ${gunzip_command[*]} alone (${median[gunzip_alignment]:-?} s)" \
      "${median[$id]}" "${median[gunzip_alignment]:-}" "a <= 1.3 * b"
  done
  for id in point_stress_e point_stress_million; do
    [ -n "${median[$id]:-}" ] || continue
    judge "$id: wall ${median[$id]} s <= 10 x wc -l (${median[wc_stress]:-?} s)" \
      "${median[$id]}" "${median[wc_stress]:-}" "a <= 10 * b"
  done
  for pair in reads_fastq:cat_fastq join_separate:cat_chromosomes join_single:cat_genome_fa; do
    id=${pair%%:*}
    floor=${pair#*:}
    [ -n "${median[$id]:-}" ] || continue
    judge "$id: wall ${median[$id]} s <= 2 x cat (${median[$floor]:-?} s)" "${median[$id]}" "${median[$floor]:-}" "a <= 2 * b"
  done
  for pair in reads_fastq:copy_fastq join_separate:copy_chromosomes join_single:copy_genome_fa; do
    id=${pair%%:*}
    floor=${pair#*:}
    [ -n "${median[$id]:-}" ] || continue
    judge "$id: wall ${median[$id]} s <= 2 x cat > file (${median[$floor]:-?} s)" "${median[$id]}" "${median[$floor]:-}" "a <= 2 * b"
  done
  if [ -n "${median[counts_bam]:-}" ]; then
    judge "counts_bam: wall ${median[counts_bam]} s <= 2 x samtools depth -a (${median[depth_bam]:-?} s)" \
      "${median[counts_bam]}" "${median[depth_bam]:-}" "a <= 2 * b"
    judge "counts_bam: peak memory $(mib "${peak[counts_bam]}") MiB < 100 MB" "${peak[counts_bam]}" 1 "a * 1024 < 100e6"
  fi
  if [ -n "${median[counts_bam_t2]:-}" ]; then
    judge "counts_bam_t2: wall ${median[counts_bam_t2]} s <= 0.6 x mosdepth -t 2 (${median[mosdepth_t2]:-?} s)" \
      "${median[counts_bam_t2]}" "${median[mosdepth_t2]:-}" "a <= 0.6 * b"
    judge "counts_bam_t2: wall ${median[counts_bam_t2]} s <= 1.5 x samtools view -@ 2 -c (${median[view_count_t2]:-?} s)" \
      "${median[counts_bam_t2]}" "${median[view_count_t2]:-}" "a <= 1.5 * b"
  fi
  for id in reads_fastq reads_fastq_short reads_gseq reads_fasta join_separate join_single; do
    [ -n "${median[$id]:-}" ] || continue
    judge "$id: peak memory $(mib "${peak[$id]}") MiB < 16 MB" "${peak[$id]}" 1 "a * 1024 < 16e6"
  done
fi

# At the genome scale the joined genome must have the scanners' length: the
# chromosomes, each padded to a multiple of 50, end where the offsets say.
if [ "$scale" = genome ] && built "$CHROMOSOME_JOIN"; then
  (cd "$data" && printf 'm\n6\n%s\n%s\n%s\n%s\n%s\n%s\nbench_genome.txt\n' "${chromosome_files[@]}" |
    "$CHROMOSOME_JOIN" > /dev/null 2>&1)
  joined=$(tr -d '\n' < "$desk/vesmar/Genome_sequences/bench_genome.txt" | wc -c)
  rm -f "$desk/vesmar/Genome_sequences/bench_genome.txt"
  verdicts+=("- joined genome: $joined bases with padding (the scanners' genome: $(manifest_value alignment.positions))")
fi

{
  echo "Scale $scale, seed $seed; $runs runs after $warmups warm-up(s) at niceness $niceness; $(processor); $(nproc) cores; load average $load_before before, $load_after after; $(date -u '+%Y-%m-%d %H:%M UTC'); programs of commit $commit."
  echo
  echo "BAM file: $(manifest_value alignments.bam.reads) reads of 36 bases ($(manifest_value alignments.bam.failed_filter) failing the filter), $(bytes_mb "$(input_size "$bam")") MB."
  echo
  echo "Alignment file: $(manifest_value alignment.positions) positions, $(manifest_value alignment.lines) lines, $(bytes_mb "$a_bytes") MB, $(manifest_value alignment.hits_3_2) hits at 3 and 2. Stress file: $(manifest_value stress_alignment.lines) lines, $(bytes_mb "$s_bytes") MB, $(manifest_value stress_alignment.hits_3_2) hits. Regions: $(manifest_value exons) exons, $(manifest_value introns) introns, $(manifest_value intergenic_regions) intergenic, $(manifest_value stress_regions) in the stress region file."
  echo
  echo "| Run | Input (MB) | Median wall (s) | Median CPU (s) | Wall of each run (s) | Peak RSS (MiB) | Floor | x floor, wall (CPU) | Plain reader / run, wall (CPU) | Block loop / run, wall (CPU) | Output (MB) | Output lines | Output same |"
  echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
  echo
  echo "The programs read on a thread of their own (and the scanners and the joiner write on another), so their CPU time exceeds their wall time; the targets are judged on wall time."
  if [ -n "$busy_cases" ]; then
    echo
    echo "Measured while other work kept the machine busy:$busy_cases."
    echo "Their wall times, and the ratios made from them, are not to be trusted; compare their CPU times with those of a quiet run."
  fi
  if [ ${#verdicts[@]} -gt 0 ]; then
    echo
    printf '%s\n' "${verdicts[@]}"
  fi
} | tee "$data/results.md"

if [ "$failed" != 0 ]; then
  echo "run_bench.sh: some runs failed or gave different outputs (see above)" >&2
  exit 1
fi
exit 0
