#!/bin/sh
# Measures gzip decompression with ISA-L's igzip against zlib on a FASTQ file
# of about 200 MB compressed with gzip -6 (as sequencing facilities deliver
# reads), and times Reads_importer on the plain and on the compressed file.
# Writes into build/gzip-measure/ only. Needs libisal-dev and zlib1g-dev
# (sh scripts/install_packages.sh); builds Reads_importer in build/release.
#
#   sh bench/gzip_measure.sh [megabytes]
set -e
cd "$(dirname "$0")/.."
megabytes=${1:-200}
work=build/gzip-measure
mkdir -p "$work/home/Desktop/vesmar/Sequence_reads"
g++ -O2 -std=c++20 -Wall -Wextra -o "$work/gzip_measure" bench/gzip_measure.cpp -lisal -lz
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j 2 --target Reads_importer >/dev/null

# FASTQ records of 36 random bases with quality values that fall along the
# read, as an instrument writes them, until the file holds the size asked for.
awk -v megabytes="$megabytes" 'BEGIN {
  srand(1); bases = "ACGT"; size = 0
  for (i = 0; size < megabytes * 1000000; ++i) {
    read = ""; quality = ""
    for (b = 0; b < 36; ++b) {
      read = read substr(bases, int(rand() * 4) + 1, 1)
      quality = quality sprintf("%c", 104 - int(b / 3) - int(rand() * 6))
    }
    record = "@HWI-EAS209_0006:1:" int(i / 100000) ":" i % 100000 ":" int(rand() * 2048) "#0/1\n" read "\n+\n" quality "\n"
    printf "%s", record; size += length(record)
  }
}' >"$work/home/Desktop/reads.fastq"
gzip -6 -c "$work/home/Desktop/reads.fastq" >"$work/home/Desktop/reads.fastq.gz"
ls -l "$work/home/Desktop"

echo "== Decoding only (best of five)"
"$work/gzip_measure" "$work/home/Desktop/reads.fastq.gz"

echo "== Reads_importer, plain and compressed (wall and CPU seconds)"
importer="$(pwd)/build/release/reads_importer/Reads_importer"
cd "$work/home"
for file in reads.fastq reads.fastq.gz; do
  /usr/bin/time -f "$file: %e s wall, %U s user, %S s system" \
    env TERM=dumb "$importer" >/dev/null <<ANSWERS
bench
fastq
1
$file
ANSWERS
done
