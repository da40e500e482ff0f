#!/bin/bash
# A third-party check of the imported feature location files: on the bundled
# example and a generated package, a GFF3 annotation of their genes (written
# from their own feature files by package_annotation.py) goes through
# Feature_import, Point_scan reports every base that a read changes, and the
# amino-acid change of each of its coding hits must be the one that bcftools
# csq gives for the same SNP with the same GFF3 and FASTA.
#
# usage: csq_check_test.sh BUILD_FOLDER SOURCE_FOLDER [PACKAGE_FOLDER]
#
# Given a package folder (bench_generate's, with reference.fa: a genome-scale
# one, say), that package is checked instead; its feature location files are
# replaced by the imported ones.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check_package() {  # FOLDER FASTA RESULTS
  local folder=$1 fasta=$2 results=$3
  cd "$folder"
  python3 "$source/feature_import/tests/package_annotation.py" Desktop/vesmar/Feature_locations "Desktop/$fasta" \
    > Desktop/genes.gff3
  rm Desktop/vesmar/Feature_locations/*
  "$build/feature_import/Feature_import" --annotation genes.gff3 --fasta "$fasta" > /dev/null 2> import.log
  "$build/point_scan/Point_scan" --ratio 0 --min-mut-reads 1 --name Bo --results "$results" --regions e \
    > /dev/null 2> scan.log
  bcftools csq -f "Desktop/$fasta" -g Desktop/genes.gff3 -s - -l Desktop/vesmar/SNP_results/Bo_snp_cexons.vcf \
    2> csq.log > csq.vcf
  python3 - csq.vcf "$folder" <<'PY'
import sys
one = dict(zip("Ala Arg Asn Asp Cys Gln Glu Gly His Ile Leu Lys Met Phe Pro Ser Thr Trp Tyr Val Stp".split(),
               "ARNDCQEGHILKMFPSTWYV*"))
checked, wrong = 0, []
for line in open(sys.argv[1]):
    if line.startswith("#"):
        continue
    fields = line.rstrip("\n").split("\t")
    info = dict(item.split("=", 1) for item in fields[7].split(";") if "=" in item)
    # Only coding hits carry a codon change (a splice_region CSQ has none).
    if "CSQ" not in info or info["CSQ"].startswith("splice_region|"):
        continue
    before, after = (one[a] for a in info["CSQ"].split("|")[3].split(">"))
    # The consequence for the transcript of the exon Point_scan matched (genes
    # may overlap) that names an amino-acid change (a splice_region entry may
    # stand before it).
    transcript = info["REGION"][:info["REGION"].index(".exon")]
    entries = [entry.split("|") for entry in info.get("BCSQ", "").split(",")]
    change = next((entry[5] for entry in entries if len(entry) > 5 and entry[2] == transcript and entry[5]), "")
    if ">" in change:
        their_before, their_after = (part.lstrip("0123456789") for part in change.split(">"))
    else:
        their_before = their_after = change.lstrip("0123456789")
    checked += 1
    # bcftools csq names a lost start codon without its amino acids: the
    # first codon's Met becomes another.
    start_lost = any(entry[0] == "start_lost" and entry[2] == transcript for entry in entries if len(entry) > 2)
    if start_lost and not change:
        their_before, their_after = "M", after if after != "M" else "?"
    if (before, after) != (their_before, their_after):
        wrong.append(f"{fields[0]}:{fields[1]} {fields[3]}>{fields[4]}: Point_scan {before}>{after}, "
                     f"bcftools csq {info.get('BCSQ', 'nothing')}")
print(f"{sys.argv[2]}: {checked} coding hits, {len(wrong)} with another amino-acid change than bcftools csq's")
for message in wrong[:20]:
    print("  " + message)
sys.exit(1 if wrong or checked == 0 else 0)
PY
  cd - > /dev/null
}

if [ $# -gt 2 ]; then
  check_package "$(cd "$3" && pwd)" reference.fa alignment.txt
  exit 0
fi
"$build/examples/vesmar_example_package" "$work/example"
check_package "$work/example" chrI.fa Anna_run1.txt
"$build/bench/bench_generate" --out "$work/generated" --scale small --seed 3 > /dev/null
check_package "$work/generated" reference.fa alignment.txt
