#!/bin/bash
# Genome_overview's page, read by an XML parser (xmllint) and read back
# against the files it was drawn from (page_check.py): on the bundled
# example, with the built-in chromosomes and with the layout that
# Chromosome_join writes for it; on a generated package whose stress
# alignment results give so many SNPs and stretches that the page draws them
# in bins; and on a layout of sixteen chromosomes whose names XML must
# escape.
#
#   page_tools_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

check_page() {
  local home=$1 name=$2
  scan genome_overview/Genome_overview "$home" "$name
"
  local page="$home/Desktop/vesmar/Overview/${name}_overview.html"
  quietly "xmllint --noout $page" xmllint --noout "$page"
  python3 "$source/genome_overview/tests/page_check.py" "$page" \
    "$home"/Desktop/vesmar/SNP_results/"$name"_snp_*.vcf "$home"/Desktop/vesmar/Deletion_results/"$name"_del_*.bed ||
    fail "the page of $name does not agree with its files"
}

example_home
scan_all_regions "$work/example" Anna Anna_run1.txt
check_page "$work/example" Anna

# As the example's main job has it (scripts/example.sh): joined, its layout
# gives chromosome I its 3,000 bases, where the axis now ends.
scan chromosome_join/Chromosome_join "$work/example" "m
1
chrI.fa
genome_I.txt
"
scan_all_regions "$work/example" Anna Anna_run1.txt
check_page "$work/example" Anna
grep -q 'data-chrom="I" data-axis-end="3000"' "$work/example/Desktop/vesmar/Overview/Anna_overview.html" ||
  fail "the joined example's axis does not end at chromosome I's end, 3000"

generated_home
scan_all_regions "$work/generated" stress stress_alignment.txt
check_page "$work/generated" stress
grep -q 'data-snps="bins"' "$work/generated/Desktop/vesmar/Overview/stress_overview.html" ||
  fail "the stress page draws no bins"

# Sixteen chromosomes of a layout written by hand, some of names that only
# escaped stand in XML, with an SNP and a stretch on every other one.
home="$work/sixteen"
mkdir -p "$home/Desktop/vesmar/Feature_locations" "$home/Desktop/vesmar/SNP_results" \
  "$home/Desktop/vesmar/Deletion_results"
python3 - "$home/Desktop/vesmar" <<'PYTHON'
import sys
names = ["2L", "2R", "3L", "3R", "4", "X", "Y", "mitochondrion_genome", "Y_CP007111v1_random", "rDNA",
         "HLA-A*01:01:01:01", "a&b", "<tag>", 'quote"s', "apos'", "211000022278279"]
folder = sys.argv[1]
with open(folder + "/Feature_locations/chromosomes.txt", "w") as layout, \
     open(folder + "/SNP_results/odd_snp_cintergenic.vcf", "w") as vcf, \
     open(folder + "/Deletion_results/odd_del_cintergenic.bed", "w") as bed:
    vcf.write("##fileformat=VCFv4.2\n#CHROM\tPOS\tID\tREF\tALT\tQUAL\tFILTER\tINFO\tFORMAT\todd\n")
    offset = 0
    for i, name in enumerate(names):
        length = 1000 + 37 * i
        layout.write(f"{name}\t{offset}\t{length}\n")
        offset += length + 50 - length % 50
        if i % 2 == 0:
            vcf.write(f"{name}\t{length - 5}\t.\tA\tC\t.\t.\tCLASS=intergenic\tGT:AD:DP\t1/1:0,4:4\n")
            bed.write(f"{name}\t{length - 40}\t{length}\t{name}.end\t0\t+\t40\t.\n")
PYTHON
check_page "$home" odd
