#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "genome_scan/codon_change.h"
#include "formats/alignment_results/alignment_record.h"
#include "formats/feature_locations/exon_tables.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The point scanner's report: a title, the column headings and a rule, then
// three lines per hit with a matched region, in increasing position: the row
// (number, region, chromosome, strand, place in the region and on the
// chromosome, in exon mode the codon change, the read window and the two
// counts), a marker line with "*" under the changed window base, and the
// reference window.

// The lines before the first row.
std::string point_report_heading(bool exon_mode);

// Writes the report row by row as the hits come, so that no hit is kept: the
// heading at once, then add() for each hit with the index of its region in
// `regions`. With no file (`out` null) the rows are only counted. The tables
// and the layout must outlive the writer; `exon_tables` is read in exon mode
// only. A region's chromosome is found in `layout` by find_region_chromosome.
class PointReportWriter {
 public:
  PointReportWriter(bool exon_mode, const RegionTable& regions, const ExonTables& exon_tables,
                    const ChromosomeLayout& layout, OutputFile* out);
  // Writes the row of `hit` in regions[region], and gives the codon change
  // it shows (exon mode, a coding hit), for the files beside the report.
  const std::optional<CodonChange>& add(const AlignmentRecord& hit, std::size_t region);
  std::int64_t rows() const { return row_number_; }

 private:
  // What the rows of one region share: its name, chromosome and strand in
  // their columns, each followed by a blank, and its chromosome's offset.
  // The hits of a region come one after another, so this and its exon data
  // are prepared once for all of them.
  struct RegionColumns {
    RegionColumns(const Region& region, const ChromosomeLayout& layout);
    std::string text;
    std::optional<std::int64_t> chromosome_offset;
  };

  bool exon_mode_;
  const RegionTable& regions_;
  const ExonTables& exon_tables_;
  const ChromosomeLayout& layout_;
  OutputFile* out_;
  std::int64_t row_number_ = 0;
  std::optional<CodonTable> codons_;  // exon mode only
  std::size_t current_region_ = SIZE_MAX;
  std::optional<RegionColumns> columns_;
  const ExonFrame* exon_frame_ = nullptr;
  std::optional<ExonContext> exon_;
  std::optional<CodonChange> change_;  // the last row's
};

}  // namespace vesmar
