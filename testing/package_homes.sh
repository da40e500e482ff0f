# Working folders for the tests that check the programs' files with the
# field's own tools. Sourced by a script called as
# `SCRIPT BUILD_FOLDER SOURCE_FOLDER`; sets $build, $source and $work (a
# scratch folder, removed when the script ends).
#
#   example_home              $work/example: the bundled example
#   generated_home            $work/generated: a small benchmark package,
#                             with a stress alignment file of many hits
#   scan PROGRAM HOME ANSWERS runs a scanner's dialogue in HOME; fails on a
#                             non-zero exit status or anything on stderr
#                             but the warning of a genome shorter than the
#                             built-in one
#   scan_all_regions HOME NAME RESULTS
#                             both scanners in the three region choices
#   quietly LABEL COMMAND...  runs a tool; fails on a non-zero exit status or
#                             anything on stderr

build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$(basename "$0"): $*" >&2; exit 1; }

bin="$work/bin"
mkdir -p "$bin"
for command in clear PAUSE; do printf '#!/bin/sh\nexit 0\n' > "$bin/$command"; chmod +x "$bin/$command"; done
export PATH="$bin:$PATH"

example_home() {
  "$build/examples/vesmar_example_package" "$work/example" || fail "the example could not be written"
}

generated_home() {
  "$build/bench/bench_generate" --out "$work/generated" --scale small --seed 5 --stress > /dev/null ||
    fail "the package could not be generated"
}

scan() {
  local program=$1 home=$2 answers=$3
  (cd "$home" && printf '%s' "$answers" | "$build/$program" > /dev/null 2> "$work/scan.err") ||
    fail "$program in $home with answers '$answers' failed: $(cat "$work/scan.err")"
  # The test packages' genomes are shorter than the built-in layout's, as
  # the scanners warn; nothing else may stand on stderr.
  grep -v ' positions, but the last of the chromosomes I, II, III, IV, V, X starts after position 82548900: the file ends before the genome does$' \
    "$work/scan.err" > "$work/scan.other" || true
  [ ! -s "$work/scan.other" ] || fail "$program wrote to stderr: $(cat "$work/scan.other")"
}

quietly() {
  local label=$1
  shift
  "$@" 2> "$work/tool.err" || fail "$label failed: $(cat "$work/tool.err")"
  [ ! -s "$work/tool.err" ] || fail "$label wrote to stderr: $(cat "$work/tool.err")"
}

# Both scanners, in the three region choices, for the first name $2 with
# the alignment results file $3, in HOME $1: the VCFs and BEDs that
# Genome_overview draws.
scan_all_regions() {
  local home=$1 name=$2 results=$3 region
  for region in e i n; do
    scan point_scan/Point_scan "$home" "3 2 $name $results $region
"
    scan gap_scan/Gap_region_scan "$home" "$region $name $results
"
  done
}
