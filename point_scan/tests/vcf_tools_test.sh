#!/bin/bash
# Point_scan's VCF files, read by the field's own tools: bcftools view,
# bgzip and tabix, bcftools +split-vep (every field of the codon change) and
# bcftools norm against the FASTA files of the genome (every REF is the
# genome's base). On the bundled example in the three region choices, and on
# a generated package with its plain and its stress alignment results.
#
#   vcf_tools_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

check_vcf() {
  local vcf=$1 reference=$2
  local records
  records=$(grep -vc '^#' "$vcf" || true)
  quietly "bcftools view $vcf" bcftools view "$vcf" -o "$work/viewed.vcf"
  [ "$(grep -vc '^#' "$work/viewed.vcf" || true)" = "$records" ] || fail "bcftools view lost records of $vcf"

  bgzip -c "$vcf" > "$work/indexed.vcf.gz"
  quietly "tabix -p vcf $vcf" tabix -f -p vcf "$work/indexed.vcf.gz"
  local found=0 chromosome
  for chromosome in I II III IV V X; do
    found=$((found + $(tabix "$work/indexed.vcf.gz" "$chromosome" | wc -l)))
  done
  [ "$found" = "$records" ] || fail "the index of $vcf finds $found of its $records records"

  # Every field bcftools takes out of CSQ, against the text of the record.
  quietly "bcftools +split-vep $vcf" bcftools +split-vep -a CSQ \
    -f '%CHROM\t%POS\t%Consequence|%Gene|%Codons|%Amino_acids\n' "$vcf" -o "$work/split.txt"
  # (bcftools writes an empty field as ".": a splice_region CSQ has no codons.)
  awk -F'\t' '!/^#/ && match($8, /CSQ=[^;]*/) { csq = substr($8, RSTART + 4, RLENGTH - 4);
    gsub(/\|\|/, "|.|", csq); gsub(/\|\|/, "|.|", csq); sub(/\|$/, "|.", csq); print $1 "\t" $2 "\t" csq }' \
    "$vcf" > "$work/written.txt"
  cmp -s "$work/split.txt" "$work/written.txt" || fail "bcftools +split-vep reads other CSQ fields in $vcf"
  if cut -f3 "$work/split.txt" | cut -d'|' -f1 | grep -vxE 'synonymous|missense|stop_gained|stop_lost|unknown|splice_region'; then
    fail "a consequence of another name in $vcf"
  fi

  # bcftools norm always ends with its count of lines; a REF that is not
  # the genome's base stops it.
  bcftools norm -c e -f "$reference" "$vcf" -o /dev/null 2> "$work/norm.err" ||
    fail "bcftools norm -c e: $(cat "$work/norm.err")"
  [ "$(cat "$work/norm.err")" = "$(printf 'Lines   total/split/realigned/skipped:\t%s/0/0/0' "$records")" ] ||
    fail "bcftools norm on $vcf: $(cat "$work/norm.err")"
  echo "$vcf: $records records" >> "$work/summary"
}

example_home
for region in e i n; do
  scan point_scan/Point_scan "$work/example" "3 2 Anna Anna_run1.txt $region
"
done
for file in "$work"/example/Desktop/vesmar/SNP_results/*.vcf; do check_vcf "$file" "$work/example/Desktop/chrI.fa"; done

generated_home
for region in e i n; do
  scan point_scan/Point_scan "$work/generated" "3 2 plain alignment.txt $region
"
done
scan point_scan/Point_scan "$work/generated" "3 2 stress stress_alignment.txt e
"
for file in "$work"/generated/Desktop/vesmar/SNP_results/*.vcf; do
  check_vcf "$file" "$work/generated/Desktop/reference.fa"
done
[ "$(wc -l < "$work/summary")" = 7 ] || fail "$(wc -l < "$work/summary") VCF files, not 7"
sed "s|$work/||" "$work/summary"
