#!/bin/bash
# Candidate_rank against Gap_region_scan on a batch of five strains: five
# benchmark packages of one scale and five seeds (bench_generate), whose
# alignment results files stand for a parent and four mutants (only the
# results and feature location files are generated: --results-only). Times, with
# run_measured, the five Gap_region_scan runs (exons) one after another and
# one Candidate_rank run over all five, then Candidate_rank over 1, 2, 3 and
# 4 mutants (how the cost grows with the strains), and prints a line each:
# wall seconds, CPU seconds, peak resident KiB, exit status.
#
#   bash bench/candidate_rank_bench.sh [--scale genome|medium|small] [--build DIR] [--data DIR]
set -eu
scale=medium
build=build/release
data=../bench_data
while [ $# -gt 0 ]; do
  case $1 in
    --scale) scale=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --data) data=$2; shift 2 ;;
    *) echo "usage: $0 [--scale genome|medium|small] [--build DIR] [--data DIR]" >&2; exit 2 ;;
  esac
done
build=$(cd "$build" && pwd)
mkdir -p "$data"
data=$(cd "$data" && pwd)
for seed in 1 2 3 4 5; do
  [ -d "$data/$scale-seed$seed" ] || "$build/bench/bench_generate" --out "$data/$scale-seed$seed" --scale "$scale" --seed "$seed" --results-only > /dev/null
done
home="$data/$scale-seed1"
results="$home/Desktop/vesmar/Alignment_results"
for seed in 2 3 4 5; do ln -sf "$data/$scale-seed$seed/Desktop/vesmar/Alignment_results/alignment.txt" "$results/strain$seed.txt"; done
files="alignment.txt strain2.txt strain3.txt strain4.txt strain5.txt"
measure() {  # LABEL COMMAND...: wall s, CPU s, peak KiB and status of the command
  local label=$1; shift
  "$build/bench/run_measured" "$home/measure.txt" "$@" > /dev/null 2> "$home/measure.err" ||
    { cat "$home/measure.err" >&2; exit 1; }
  printf '%-40s %s\n' "$label" "$(cat "$home/measure.txt")"
}
cd "$home"
for file in $files; do cat "Desktop/vesmar/Alignment_results/$file" > /dev/null; done
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
measure "5 x Gap_region_scan e" sh -c "for f in $files; do '$build/gap_scan/Gap_region_scan' --regions e --name b\$f --results \$f; done"
strains=""
for n in 1 2 3 4; do
  strains="$strains --strain m$n=strain$((n + 1)).txt"
  measure "Candidate_rank, parent and $n mutants" "$build/candidate_rank/Candidate_rank" $strains --background parent=alignment.txt
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
