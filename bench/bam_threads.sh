#!/bin/bash
# Alignment_counts on the genome-scale BAM file with one and two threads,
# beside mosdepth -t 2 writing per-base depth of the same file and samtools
# view -@ 2 -c (decompressing and counting the records alone), measured
# interleaved: each round runs every command once, so that the load other
# work puts on a shared machine falls on all of them alike. Prints each
# run's wall and CPU seconds and peak memory, then the medians and the
# ratios the targets name, with the processor and the load.
#
#   bash bench/bam_threads.sh [DATA_FOLDER] [ROUNDS]
#
# DATA_FOLDER is run_bench.sh's generated genome-scale folder (default
# ../bench_data/genome-seed1); ALIGNMENT_COUNTS and RUN_MEASURED name the
# programs (default build/release).
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
data=${1:-$repo/../bench_data/genome-seed1}
rounds=${2:-3}
counts=${ALIGNMENT_COUNTS:-$repo/build/release/alignment_counts/Alignment_counts}
measured=${RUN_MEASURED:-$repo/build/release/bench/run_measured}
bam="$data/Desktop/alignments.bam"
[ -s "$bam" ] || { echo "bam_threads.sh: no $bam (bash bench/run_bench.sh generates it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -s "$bam.bai" ] && [ ! "$bam.bai" -ot "$bam" ] || samtools index -@ 2 "$bam"

declare -A command
command[counts_t1]="$counts -C $data --alignments alignments.bam --reference reference.fa --results bench_threads.txt --threads 1"
command[counts_t2]="$counts -C $data --alignments alignments.bam --reference reference.fa --results bench_threads.txt --threads 2"
command[mosdepth_t2]="mosdepth -t 2 $work/depth $bam"
command[view_t2]="samtools view -@ 2 -c $bam"
order="counts_t1 counts_t2 mosdepth_t2 view_t2"
declare -A walls cpus peaks sums
echo "$(lscpu | sed -n 's/^Model name: *//p'), family $(lscpu | sed -n 's/^CPU family: *//p') model $(lscpu | sed -n 's/^Model: *//p'); $(nproc) cores; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq 1 "$rounds"); do
  for id in $order; do
    # shellcheck disable=SC2086
    "$measured" "$work/measure" ${command[$id]} > "$work/out" 2> "$work/err" ||
      { cat "$work/err" >&2; echo "bam_threads.sh: $id failed" >&2; exit 1; }
    read -r seconds cpu kib _ < "$work/measure" || { echo "bam_threads.sh: no measure of $id" >&2; exit 1; }
    walls[$id]="${walls[$id]:-} $seconds"
    cpus[$id]="${cpus[$id]:-} $cpu"
    if [ "$kib" -gt "${peaks[$id]:-0}" ]; then peaks[$id]=$kib; fi
    case $id in
      counts_*) sums[$id]="${sums[$id]:-} $(md5sum < "$data/Desktop/vesmar/Alignment_results/bench_threads.txt" | cut -c1-12)" ;;
    esac
    echo "round $round $id: wall $seconds s, CPU $cpu s, peak $((kib / 1024)) MiB; load $(cut -d' ' -f1 /proc/loadavg)"
  done
done
rm -f "$data/Desktop/vesmar/Alignment_results/bench_threads.txt"
median() { printf '%s\n' $1 | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
for id in $order; do
  echo "$id: median wall $(median "${walls[$id]}") s (runs:${walls[$id]}), median CPU $(median "${cpus[$id]}") s, peak $((peaks[$id] / 1024)) MiB"
done
[ "$(printf '%s\n' ${sums[counts_t1]} ${sums[counts_t2]} | sort -u | wc -l)" = 1 ] &&
  echo "Alignment_counts wrote the same file with 1 and 2 threads" ||
  { echo "bam_threads.sh: the results files differ between runs:${sums[counts_t1]} /${sums[counts_t2]}" >&2; exit 1; }
t1=$(median "${walls[counts_t1]}") t2=$(median "${walls[counts_t2]}")
m=$(median "${walls[mosdepth_t2]}") v=$(median "${walls[view_t2]}")
awk -v t1="$t1" -v t2="$t2" -v m="$m" -v v="$v" 'BEGIN {
  printf "2 threads: %.2f x the time of 1 thread; %.2f x mosdepth -t 2 (target <= 0.6); %.2f x samtools view -@ 2 -c (target <= 1.5)\n", t2 / t1, t2 / m, t2 / v }'
