#!/bin/bash
# Feature_import at genome scale beside gffread -x on the same files: a
# synthetic genome of six chromosomes (100 million bases) and a GFF3 of
# 20,000 genes with 10 exons each (200,000 exons, a CDS piece in each, UTRs
# at the ends), both written here. Prints each program's wall time and
# largest resident memory (GNU time), best of three runs.
#
# usage: bash bench/feature_import_bench.sh BUILD_FOLDER [WORK_FOLDER]
set -euo pipefail
build=$(cd "$1" && pwd)
work=${2:-$(mktemp -d)}
mkdir -p "$work/Desktop/vesmar/Feature_locations"
cd "$work"
if [ ! -f Desktop/genes.gff3 ]; then
  python3 - <<'PY'
import random
random.seed(22)
lengths = {"I": 15072423, "II": 15279345, "III": 13783700, "IV": 17493793, "V": 20924149, "X": 17718866}
with open("Desktop/genome.fa", "w") as fasta:
    for name, length in lengths.items():
        fasta.write(f">{name}\n")
        line = 0
        while line < length:
            chunk = min(60 * 100000, length - line)
            bases = "".join(random.choices("ACGT", k=chunk))
            fasta.write("\n".join(bases[i:i + 60] for i in range(0, len(bases), 60)) + "\n")
            line += chunk
genes_per_chromosome = {name: 20000 * length // sum(lengths.values()) for name, length in lengths.items()}
genes_per_chromosome["X"] += 20000 - sum(genes_per_chromosome.values())
with open("Desktop/genes.gff3", "w") as gff:
    gff.write("##gff-version 3\n")
    number = 0
    for name, length in lengths.items():
        room = length // genes_per_chromosome[name]
        for k in range(genes_per_chromosome[name]):
            number += 1
            strand = "+" if number % 2 else "-"
            start = k * room + 200
            exons, at = [], start
            for e in range(10):
                size = random.randint(60, 240)
                exons.append((at, at + size - 1))
                at += size + random.randint(50, 300)
            gene = f"gene:G{number}"
            tx = f"transcript:T{number}"
            line = lambda kind, s, e, phase, attributes: gff.write(
                f"{name}\tbench\t{kind}\t{s}\t{e}\t.\t{strand}\t{phase}\t{attributes}\n")
            line("gene", exons[0][0], exons[-1][1], ".", f"ID={gene};biotype=protein_coding")
            line("mRNA", exons[0][0], exons[-1][1], ".", f"ID={tx};Parent={gene};biotype=protein_coding")
            order = exons if strand == "+" else exons[::-1]
            coding = 0
            for i, (s, e) in enumerate(order):
                line("exon", s, e, ".", f"Parent={tx}")
                low, high = s, e
                if i == 0:
                    low, high = (s + 20, e) if strand == "+" else (s, e - 20)
                if i == len(order) - 1:
                    low, high = (low, high - 20) if strand == "+" else (low + 20, high)
                line("CDS", low, high, (3 - coding % 3) % 3, f"ID=CDS:T{number};Parent={tx}")
                coding += high - low + 1
PY
fi
measure() {  # LABEL COMMAND...
  local label=$1 best="" memory=""
  shift
  for run in 1 2 3; do
    /usr/bin/time -f "%e %M" -o time.txt "$@" > /dev/null 2> run.log
    read -r seconds kilobytes < time.txt
    if [ -z "$best" ] || [ "$(echo "$seconds < $best" | bc)" = 1 ]; then best=$seconds; memory=$kilobytes; fi
  done
  echo "$label: ${best} s, ${memory} kB resident at most"
}
rm -f Desktop/vesmar/Feature_locations/*
measure "Feature_import (the six files and chromosomes.txt)" \
  "$build/feature_import/Feature_import" --annotation genes.gff3 --fasta genome.fa
measure "gffread -x (the spliced CDS of each transcript)" gffread -x cds.fa -g Desktop/genome.fa Desktop/genes.gff3
grep -c '^exon' <(cut -f3 Desktop/genes.gff3) | sed 's/^/exons in the annotation: /'
