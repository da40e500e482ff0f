#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/output_file.h"
#include "point_scan/codon_change.h"
#include "point_scan/point_scan_settings.h"
#include "scan_input/alignment_record.h"
#include "scan_input/region_table.h"

namespace vesmar {

// The SNP report's companion in VCF 4.2, which genome browsers, bcftools and
// other tools read: one record per report row whose hit lies on one of the
// six chromosomes and whose windows show a base change, in the same genome
// order.
//
//   CHROM, POS  the chromosome and the place on it (the report's Chrom. Pos.)
//   REF, ALT    the reference's and the read's base where the report's
//               marker stands, in capitals
//   INFO        REGION (name), CLASS (exon, intron, intergenic), STRAND (the
//               region's, as its file gives it), RPOS (the report's
//               Position); for a coding exon hit CSQ, the codon change as
//               Consequence|Gene|Codons|Amino_acids
//   FORMAT      AD:DP, the WT and mutant reads and their sum, in one sample
//               column named after the first name
//
// Texts that VCF does not allow in a value (blanks, ";", "=", ",", "|" in
// CSQ, "%") are written %XX.
class SnpVcfWriter {
 public:
  // Writes the header, with the run's settings; `out` may be null (no file:
  // the records are only counted).
  SnpVcfWriter(const PointScanSettings& settings, OutputFile* out);

  // The record of a report row: the hit, its region and, for a coding exon
  // hit, its codon change.
  void add(const AlignmentRecord& hit, const Region& region, const std::optional<CodonChange>& change);

  std::int64_t records() const { return records_; }
  // The rows of the report left out: whose place is on none of the six
  // chromosomes (their region's is another, or the hit lies before its
  // start), and without a change of one of the bases A, C, G, T to another.
  std::int64_t left_out_off_chromosomes() const { return off_chromosomes_; }
  std::int64_t left_out_without_base_change() const { return without_base_change_; }

 private:
  // What the records of one region share, prepared at its first record:
  // hits come in genome order, so a region's records follow one another.
  struct RegionText {
    const Region* region = nullptr;
    std::optional<std::int32_t> offset;  // none: not one of the six chromosomes
    std::string chromosome;              // "I\t"
    std::string info;                    // "REGION=...;CLASS=...;STRAND=...;RPOS="
    std::string gene;                    // "|gene|", %XX-encoded
  };
  void prepare(const Region& region);

  OutputFile* out_;
  std::string_view region_class_;
  RegionText text_;
  std::int64_t records_ = 0;
  std::int64_t off_chromosomes_ = 0;
  std::int64_t without_base_change_ = 0;
};

// What a codon change does to the protein, in the words of the CSQ field:
// synonymous, missense, stop_gained, stop_lost, or unknown where a base or
// an amino acid is not known.
std::string_view consequence_of(const CodonChange& change);

// The gene of an exon, as CSQ names it: its name up to "exon", less a
// separator before it ("ves-1.exon2" is of "ves-1"); a name without "exon"
// is its own.
std::string_view gene_of(std::string_view exon_name);

}  // namespace vesmar
