#!/bin/bash
# Genomes of other chromosome layouts, from FASTA to the scanners' VCF and
# BED: Chromosome_join joins the chromosomes and writes their layout,
# Alignment_counts counts a BAM (made by samtools from reads near the end of
# one chromosome) against the layout, and both scanners report the SNP and
# the stretches without reads there at their true chromosome positions;
# bcftools view and bedtools complement (its genome file from the layout)
# read the files without a warning. Two genomes: the current assembly's six
# chromosomes, whose V reaches past the room the built-in offsets leave it,
# and sixteen small chromosomes of other names. The sequence is one repeated
# base, so that the files stay quick to make.
#
#   layout_tools_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

# run_genome LABEL TARGET SNP NAME:LENGTH...: the pipeline on a genome of
# these chromosomes, with the reads on chromosome TARGET around its
# position SNP (at least 200 bases before its end).
run_genome() {
  local label=$1 target=$2 snp=$3
  shift 3
  local home="$work/$label" fasta="$work/$label/Desktop/genome.fa"
  mkdir -p "$home/Desktop/vesmar"
  for folder in Sequence_reads Genome_sequences Alignment_results Feature_locations SNP_results Deletion_results; do
    mkdir -p "$home/Desktop/vesmar/$folder"
  done
  local chromosome name length
  : > "$fasta"
  for chromosome in "$@"; do
    name=${chromosome%%:*}
    length=${chromosome#*:}
    printf '>%s test-made\n' "$name" >> "$fasta"
    head -c "$length" /dev/zero | tr '\0' 'A' >> "$fasta"
    printf '\n' >> "$fasta"
  done

  (cd "$home" && "$build/chromosome_join/Chromosome_join" --mode s --genome genome.txt genome.fa > /dev/null 2> "$work/join.err") ||
    fail "$label: Chromosome_join failed: $(cat "$work/join.err")"
  ! grep -q warning "$work/join.err" || fail "$label: Chromosome_join warned: $(cat "$work/join.err")"
  local layout="$home/Desktop/vesmar/Feature_locations/chromosomes.txt"
  # The layout's offsets follow the padding rule, its lengths are the FASTA's.
  python3 - "$layout" "$@" <<'PYTHON' || fail "$label: the layout is not that of the joined chromosomes"
import sys
lines = [line.split("\t") for line in open(sys.argv[1]).read().splitlines() if not line.startswith("#")]
offset = 0
for (name, at, length), given in zip(lines, sys.argv[2:]):
    want_name, want_length = given.split(":")
    assert (name, int(at), int(length)) == (want_name, offset, int(want_length)), (name, at, length)
    offset += int(want_length) + 50 - int(want_length) % 50
assert len(lines) == len(sys.argv) - 2
PYTHON
  local offset
  offset=$(awk -F'\t' -v name="$target" '$1 == name { print $2 }' "$layout")

  # Reads of 36 bases (the reference is all A): four from SNP-50, four from
  # SNP-14 with a C at SNP, then, after 19 uncovered positions, four from
  # SNP+41. No read reaches the chromosome's end.
  local sam="$home/Desktop/reads.sam" read=0 start sequence
  awk -F'\t' '!/^#/ { printf "@SQ\tSN:%s\tLN:%s\n", $1, $3 }' "$layout" > "$sam"
  for start in $((snp - 50)) $((snp - 14)) $((snp + 41)); do
    sequence=$(python3 -c "print(''.join('C' if $start + i == $snp else 'A' for i in range(36)))")
    for copy in 1 2 3 4; do
      read=$((read + 1))
      printf 'r%d\t0\t%s\t%d\t60\t36M\t*\t0\t0\t%s\t%s\n' "$read" "$target" "$start" "$sequence" \
        "$(printf 'I%.0s' $(seq 36))" >> "$sam"
    done
  done
  samtools sort -o "$home/Desktop/reads.bam" "$sam" 2> "$work/sort.err" || fail "$label: samtools sort: $(cat "$work/sort.err")"

  (cd "$home" && "$build/alignment_counts/Alignment_counts" --alignments reads.bam --reference genome.fa \
    --results run1.txt > /dev/null 2> "$work/counts.err") ||
    fail "$label: Alignment_counts failed: $(cat "$work/counts.err")"
  ! grep -q warning "$work/counts.err" || fail "$label: Alignment_counts warned: $(cat "$work/counts.err")"

  # One intergenic region around the reads, to the chromosome's end.
  local last
  last=$(awk -F'\t' -v name="$target" '$1 == name { print $3 }' "$layout")
  printf 'end_of_%s\n%d\n%d\n%s\n1\n' "$target" $((offset + snp - 100)) $((offset + last - 1)) "$target" \
    > "$home/Desktop/vesmar/Feature_locations/cintergenic.txt"
  scan point_scan/Point_scan "$home" "3 2 Anna run1.txt n
"
  scan gap_scan/Gap_region_scan "$home" "n Anna run1.txt
"

  local report="$home/Desktop/vesmar/SNP_results/Anna_snp_cintergenic.txt"
  local vcf="$home/Desktop/vesmar/SNP_results/Anna_snp_cintergenic.vcf"
  local bed="$home/Desktop/vesmar/Deletion_results/Anna_del_cintergenic.bed"
  grep -q "^1 .* $target  *1  *99  *$snp " "$report" || fail "$label: the SNP is not at $target:$snp in $report"
  [ "$(grep -v '^#' "$vcf" | cut -f1,2,4,5,10)" = "$(printf '%s\t%d\tA\tC\t1/1:0,4:4' "$target" "$snp")" ] ||
    fail "$label: the VCF's record is not the SNP at $target:$snp: $(grep -v '^#' "$vcf")"
  grep -q "^##contig=<ID=$target,length=$last>$" "$vcf" || fail "$label: no contig line with $target's length"
  quietly "$label: bcftools view" bcftools view "$vcf" -o /dev/null

  # The 19 uncovered positions between the reads, and the stretch after the
  # last read, cut at the chromosome's end.
  grep -q "^$target	$((snp + 21))	$((snp + 40))	end_of_$target	0	+	19	" "$bed" ||
    fail "$label: no BED line for the 19 uncovered positions before $target:$((snp + 41)): $(cat "$bed")"
  grep -q "^$target	$((snp + 76))	$last	end_of_${target};cut_at_chromosome_end	" "$bed" ||
    fail "$label: the stretch after the reads does not end at $target's end: $(cat "$bed")"
  awk -F'\t' '!/^#/ { print $1 "\t" $3 }' "$layout" > "$work/genome.txt"
  grep -v '^#' "$bed" > "$work/stretches.bed"
  quietly "$label: bedtools complement" bedtools complement -i "$work/stretches.bed" -g "$work/genome.txt" \
    > "$work/covered.bed"
  grep -q "^$target	$((snp - 51))	$((snp + 21))$" "$work/covered.bed" ||
    fail "$label: bedtools complement does not find the reads' positions: $(cat "$work/covered.bed")"
}

run_genome current V 20924000 I:15072434 II:15279421 III:13783801 IV:17493829 V:20924180 X:17718942

chromosomes=()
for i in $(seq 1 16); do chromosomes+=("scaffold_$i:$((1000 + 37 * i))"); done
run_genome sixteen scaffold_16 1200 "${chromosomes[@]}"
