#!/bin/bash
# Genome_overview's page, read by an XML parser (xmllint) and read back
# against the files it was drawn from (page_check.py): on the bundled
# example, and on a generated package whose stress alignment results give
# so many SNPs and stretches that the page draws them in bins.
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

generated_home
scan_all_regions "$work/generated" stress stress_alignment.txt
check_page "$work/generated" stress
grep -q 'data-snps="bins"' "$work/generated/Desktop/vesmar/Overview/stress_overview.html" ||
  fail "the stress page draws no bins"
