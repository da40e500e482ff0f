#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "genome/region_choice.h"
#include "genome_scan/codon_change.h"
#include "genome_scan/hit_test.h"
#include "formats/alignment_results/alignment_record.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The SNP report's companion in VCF 4.2, which genome browsers, bcftools and
// other tools read: one record per report row whose hit lies on a
// chromosome of the layout (within its length, where the layout knows it)
// and whose windows show a base change, in the same genome order. The
// header names each chromosome of the layout in a ##contig line, with its
// length where the layout knows it.
//
//   CHROM, POS  the chromosome (the layout's name of the region's) and the
//               place on it (the report's Chrom. Pos.)
//   REF, ALT    the reference's and the read's base where the report's
//               marker stands, in capitals
//   INFO        REGION (name), CLASS (exon, intron, intergenic), STRAND (the
//               region's, as its file gives it), RPOS (the report's
//               Position); for a coding exon hit CSQ, the codon change as
//               Consequence|Gene|Codons|Amino_acids; for a hit beside
//               its exon, outside it, CSQ splice_region|Gene||
//   FORMAT      GT:AD:DP, the genotype (1/1 when the mutant reads are at
//               least kHomozygousShare of the reads, else 0/1), the WT and
//               mutant reads and their sum, in one sample column named
//               after the first name
//
// Texts that VCF does not allow in a value (blanks, ";", "=", ",", "|" in
// CSQ, "%") are written %XX.
//
// The header records the run's settings (SnpVcfRun).
struct SnpVcfRun {
  HitThresholds thresholds;
  std::string_view first_name;        // names the sample column
  std::string_view alignment_path;
  RegionChoice regions;
  std::string_view report_path;
};

class SnpVcfWriter {
 public:
  // Writes the header, with the run's settings; `out` may be null (no file:
  // the records are only counted). The layout must outlive the writer.
  SnpVcfWriter(const SnpVcfRun& run, const ChromosomeLayout& layout, OutputFile* out);

  // The record of a report row: the hit, its region and, for a coding exon
  // hit, its codon change.
  void add(const AlignmentRecord& hit, const Region& region, const std::optional<CodonChange>& change);

  std::int64_t records() const { return records_; }
  // The rows of the report left out: whose place is on none of the layout's
  // chromosomes (their region's is another, or the hit lies before its start
  // or past its length), and without a change of one of the bases A, C, G, T
  // to another.
  std::int64_t left_out_off_chromosomes() const { return off_chromosomes_; }
  std::int64_t left_out_without_base_change() const { return without_base_change_; }

 private:
  // What the records of one region share, prepared at its first record:
  // hits come in genome order, so a region's records follow one another.
  struct RegionText {
    const Region* region = nullptr;
    std::optional<std::int64_t> offset;  // none: on no chromosome of the layout
    std::int64_t last_position = 0;      // the chromosome's last place that VCF may hold
    std::string chromosome;              // "I\t"
    std::string info;                    // "REGION=...;CLASS=...;STRAND=...;RPOS="
    std::string gene;                    // "|gene|", %XX-encoded
  };
  void prepare(const Region& region);

  const ChromosomeLayout& layout_;
  OutputFile* out_;
  std::string_view region_class_;
  bool exon_regions_;  // a hit beside its exon is a splice region
  RegionText text_;
  std::int64_t records_ = 0;
  std::int64_t off_chromosomes_ = 0;
  std::int64_t without_base_change_ = 0;
};

// The share of mutant reads from which the VCF's genotype is 1/1.
inline constexpr double kHomozygousShare = 0.8;

// The VCF's genotype of a position with these reads: "1/1" when the mutant
// reads are at least 0.8 of all, "0/1" otherwise.
std::string_view genotype_of(std::int64_t wt_reads, std::int64_t mut_reads);

// The gene of an exon, as CSQ names it: its name up to "exon", less a
// separator before it ("ves-1.exon2" is of "ves-1"); a name without "exon"
// is its own.
std::string_view gene_of(std::string_view exon_name);

}  // namespace vesmar
