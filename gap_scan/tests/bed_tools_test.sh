#!/bin/bash
# Gap_region_scan's BED files, read by the field's own tools: bedtools sort
# (which must leave them as they are), bedtools merge, bgzip and tabix. On the
# bundled example in the three region choices, where the uncovered bases of
# each region must also be those counted here from the alignment results
# file, and on a generated package (its three region files, and a region
# file of many overlapping regions).
#
#   bed_tools_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

check_bed() {
  local bed=$1
  local lines
  lines=$(grep -vc '^#' "$bed" || true)
  # bedtools sort orders by chromosome and start only, and lines of the same
  # place in no fixed order: so the places must come in the same order, and
  # the lines be the same.
  quietly "bedtools sort $bed" bedtools sort -header -i "$bed" > "$work/sorted.bed"
  cmp -s <(cut -f1,2 "$work/sorted.bed") <(cut -f1,2 "$bed") || fail "bedtools sort puts $bed in another order"
  cmp -s <(sort "$work/sorted.bed") <(sort "$bed") || fail "bedtools sort changes the lines of $bed"
  quietly "bedtools merge $bed" bedtools merge -i "$bed" > /dev/null

  bgzip -c "$bed" > "$work/indexed.bed.gz"
  quietly "tabix -p bed $bed" tabix -f -p bed "$work/indexed.bed.gz"
  local found=0 chromosome
  for chromosome in I II III IV V X; do
    found=$((found + $(tabix "$work/indexed.bed.gz" "$chromosome" | wc -l)))
  done
  [ "$found" = "$lines" ] || fail "the index of $bed finds $found of its $lines lines"
  echo "$bed: $lines lines" >> "$work/summary"
}

# Prints "name uncovered-bases" for every region of a region file that has
# uncovered bases: counted from the alignment results file, or from the BED
# lines of the region (each line's bases within the region).
uncovered_by_region() {
  python3 - "$@" <<'PY'
import sys
source, region_file, path = sys.argv[1:]
regions = open(region_file).read().split("\n")
regions = [(regions[i], int(regions[i + 1]), int(regions[i + 2])) for i in range(0, len(regions) - 4, 5)]
uncovered = set()
if source == "alignment":
    lines = open(path).read().split("\n")
    at, position = 0, 0
    while at + 1 < len(lines) and lines[at] != "":
        wt, mut = int(lines[at]), int(lines[at + 1])
        at += 4 if mut else 2
        position += 1
        if wt == 0 and mut == 0:
            uncovered.add(position)
else:
    by_name = {}
    for line in open(path):
        if line.startswith("#"):
            continue
        fields = line.split("\t")
        # An insertion covers its two neighbouring positions but no
        # uncovered base; a name may say where its stretch was cut.
        if fields[6] == "0":
            continue
        by_name.setdefault(fields[3].split(";")[0], set()).update(range(int(fields[1]) + 1, int(fields[2]) + 1))
for name, start, end in regions:
    bases = by_name.get(name, set()) if source == "bed" else uncovered
    count = sum(1 for p in bases if start <= p <= end)
    if count:
        print(name, count)
PY
}

example_home
features="$work/example/Desktop/vesmar/Feature_locations"
for region in e i n; do
  scan gap_scan/Gap_region_scan "$work/example" "$region
Anna
Anna_run1.txt
"
done
for region_file in cexons cintrons cintergenic; do
  bed="$work/example/Desktop/vesmar/Deletion_results/Anna_del_$region_file.bed"
  check_bed "$bed"
  uncovered_by_region alignment "$features/$region_file.txt" \
    "$work/example/Desktop/vesmar/Alignment_results/Anna_run1.txt" > "$work/counted"
  uncovered_by_region bed "$features/$region_file.txt" "$bed" > "$work/in_bed"
  [ -s "$work/counted" ] || fail "no uncovered bases in $region_file: the example no longer tests them"
  cmp -s "$work/counted" "$work/in_bed" ||
    fail "uncovered bases by region in $bed: $(diff "$work/counted" "$work/in_bed")"
done

generated_home
for region in e i n; do
  scan gap_scan/Gap_region_scan "$work/generated" "$region
plain
alignment.txt
"
done
# Its second folder's many overlapping regions, whose rows the BED puts in
# another order than the report.
scan gap_scan/Gap_region_scan "$work/generated/stress_regions" "n
stress
stress_alignment.txt
"
for bed in "$work"/generated/Desktop/vesmar/Deletion_results/*.bed \
           "$work"/generated/stress_regions/Desktop/vesmar/Deletion_results/*.bed; do
  check_bed "$bed"
done
[ "$(wc -l < "$work/summary")" = 7 ] || fail "$(wc -l < "$work/summary") BED files, not 7"
sed "s|$work/||" "$work/summary"
