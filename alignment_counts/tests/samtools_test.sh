#!/bin/bash
# Alignment_counts against samtools, on the bundled example and on a
# generated package:
#  - the example's reads as SAM (their true alignments), and samtools' BAM
#    and CRAM of them, each give the example's own alignment results file,
#    byte for byte, and so the scanners give the reports of
#    examples/expected/ (the planted SNPs and deletions);
#  - at every position the WT and mutant counts are those of samtools
#    mpileup on the same file with the same rules: no BAQ, anomalous pairs
#    and overlapping mates counted as they are, no depth limit, the default
#    filter flags, the same least base and mapping qualities (0 unless
#    given; mpileup counts only bases of quality 13 unless told).
#
#   samtools_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

counts_program="$build/alignment_counts/Alignment_counts"

# alignment_counts HOME ALIGNMENTS REFERENCE RESULTS [OPTION...]
alignment_counts() {
  local home=$1 alignments=$2 reference=$3 results=$4
  shift 4
  (cd "$home" && "$counts_program" --alignments "$alignments" --reference "$reference" --results "$results" "$@" \
    > /dev/null 2> "$work/counts.err") || fail "Alignment_counts on $alignments failed: $(cat "$work/counts.err")"
}

# compare_with_mpileup RESULTS_FILE MPILEUP_FILE: every position of the
# pileup (one chromosome, from 1) has the results file's counts, and the
# results file's positions after it (the padding) have none.
compare_with_mpileup() {
  python3 - "$1" "$2" <<'PYTHON' || fail "the counts of $1 are not those of samtools mpileup"
import sys

def results(path):
    lines = open(path).read().split("\n")
    records, at = [], 0
    while at + 1 < len(lines):
        wt, mut = int(lines[at]), int(lines[at + 1])
        records.append((wt, mut))
        at += 4 if mut else 2
    return records

def pileup_counts(bases):
    wt = mut = 0
    i = 0
    while i < len(bases):
        c = bases[i]
        if c == "^":
            i += 2
            continue
        if c in "+-":
            j = i + 1
            while bases[j].isdigit():
                j += 1
            i = j + int(bases[i + 1:j])
            continue
        if c in ".,":
            wt += 1
        elif c in "ACGTacgt":
            mut += 1
        i += 1  # N, deletions (* #), skips (> <), read ends ($) count in neither
    return wt, mut

records = results(sys.argv[1])
pileup = [line.rstrip("\n").split("\t") for line in open(sys.argv[2])]
differ = 0
for fields in pileup:
    position = int(fields[1])
    expected = pileup_counts(fields[4]) if len(fields) > 4 else (0, 0)
    if records[position - 1] != expected:
        differ += 1
        if differ <= 5:
            print(f"position {position}: results {records[position - 1]}, mpileup {expected}", file=sys.stderr)
padding = records[len(pileup):]
if any(record != (0, 0) for record in padding) or len(records) % 50 != 0 or not 0 < len(padding) <= 50:
    print(f"{len(records)} records for {len(pileup)} positions of the pileup", file=sys.stderr)
    differ += 1
print(f"{sys.argv[1].split('/')[-1]}: {len(pileup)} positions, {differ} differ", file=sys.stderr)
sys.exit(1 if differ else 0)
PYTHON
}

# mpileup FILE REFERENCE OUTPUT [OPTION...]
mpileup() {
  local file=$1 reference=$2 output=$3
  shift 3
  samtools mpileup -a -B -A -x -d 0 -Q 0 -q 0 --ff UNMAP,SECONDARY,QCFAIL,DUP -f "$reference" "$@" "$file" \
    -o "$output" 2> "$work/mpileup.err" || fail "samtools mpileup on $file failed: $(cat "$work/mpileup.err")"
}

# --- the example --------------------------------------------------------------
example_home
home="$work/example"
desk="$home/Desktop"
results="$home/Desktop/vesmar/Alignment_results"
cp "$results/Anna_run1.txt" "$work/example_alignment.txt"
# The genome joined as the example's main job joins it, so that the package
# has its chromosome layout, as examples/expected/ was made with.
(cd "$home" && printf 'm\n1\nchrI.fa\ngenome_I.txt\n' | "$build/chromosome_join/Chromosome_join" > /dev/null) ||
  fail "Chromosome_join could not join the example's genome"
quietly "samtools faidx" samtools faidx "$desk/chrI.fa"
quietly "samtools view -b" samtools view -b -o "$desk/Anna_run1.bam" "$desk/Anna_run1.sam"
quietly "samtools view -C" samtools view -C -T "$desk/chrI.fa" -o "$desk/Anna_run1.cram" "$desk/Anna_run1.sam"

for format in sam bam cram; do
  alignment_counts "$home" "Anna_run1.$format" chrI.fa "Anna_run1.txt"
  cmp -s "$results/Anna_run1.txt" "$work/example_alignment.txt" ||
    fail "Alignment_counts on Anna_run1.$format does not give the example's alignment results file"
  scan_all_regions "$home" Anna Anna_run1.txt
  for report in "$home"/Desktop/vesmar/SNP_results/* "$home"/Desktop/vesmar/Deletion_results/*; do
    cmp -s "$report" "$source/examples/expected/$(basename "$report")" ||
      fail "$(basename "$report") from Anna_run1.$format differs from examples/expected/"
  done
  mpileup "$desk/Anna_run1.$format" "$desk/chrI.fa" "$work/pileup.txt"
  compare_with_mpileup "$results/Anna_run1.txt" "$work/pileup.txt"
  # The FASTQ files' qualities run from 2 to 40: a least quality leaves
  # some bases out.
  alignment_counts "$home" "Anna_run1.$format" chrI.fa "q30.txt" --min-base-quality 30 --min-mapping-quality 60
  mpileup "$desk/Anna_run1.$format" "$desk/chrI.fa" "$work/pileup.txt" -Q 30 -q 60
  compare_with_mpileup "$results/q30.txt" "$work/pileup.txt"
done

# --- a generated package: reads on both strands, miscalled and unknown bases,
# reads that failed the instrument's filter --------------------------------------
generated_home
home="$work/generated"
desk="$home/Desktop"
quietly "samtools faidx" samtools faidx "$desk/reference.fa"
alignment_counts "$home" alignments.bam reference.fa from_bam.txt
mpileup "$desk/alignments.bam" "$desk/reference.fa" "$work/pileup.txt"
compare_with_mpileup "$home/Desktop/vesmar/Alignment_results/from_bam.txt" "$work/pileup.txt"
alignment_counts "$home" alignments.bam reference.fa q20.txt --min-base-quality 20
mpileup "$desk/alignments.bam" "$desk/reference.fa" "$work/pileup.txt" -Q 20
compare_with_mpileup "$home/Desktop/vesmar/Alignment_results/q20.txt" "$work/pileup.txt"
