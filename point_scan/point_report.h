#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/output_file.h"
#include "point_scan/codon_change.h"
#include "scan_input/exon_tables.h"
#include "point_scan/hit_table.h"
#include "scan_input/region_table.h"

namespace vesmar {

// The point scanner's report: a title, the column headings and a rule, then
// three lines per hit with a matched region, in increasing position: the row
// (number, region, chromosome, strand, place in the region and on the
// chromosome, in exon mode the codon change, the read window and the two
// counts), a marker line with "*" under the changed window base, and the
// reference window.
struct PointReport {
  bool exon_mode = false;
  const RegionTable* regions = nullptr;
  const HitTable* hits = nullptr;
  const ExonTables* exon_tables = nullptr;  // exon mode only
};

// The lines before the first row.
std::string point_report_heading(bool exon_mode);

// One hit as a row needs it: where it is, its counts and its windows.
struct ReportedHit {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  std::string_view read_window;
  std::string_view reference_window;
};

// Appends the three lines of row `row_number` for a hit in `region`.
void append_point_report_row(std::string& text, const PointReport& report, const Region& region,
                             const ReportedHit& hit, std::int64_t row_number);

// The three lines of row `row_number` for `hit` of the report's hit table.
std::string point_report_row(const PointReport& report, const Hit& hit, std::int64_t row_number);

void write_point_report(const PointReport& report, OutputFile& out);

// Writes the report row by row as the hits come, so that no hit needs to be
// kept: the heading at once, then add() for each hit with its region. With
// no file (`out` null) the rows are only counted.
// What the rows of one region share: its name, chromosome and strand in
// their columns, each followed by a blank, and its chromosome's offset.
struct RegionColumns {
  explicit RegionColumns(const Region& region);
  std::string text;
  std::optional<std::int32_t> chromosome_offset;
};

class PointReportWriter {
 public:
  PointReportWriter(const PointReport& report, OutputFile* out);
  void add(const ReportedHit& hit, std::size_t region);

 private:
  PointReport report_;
  OutputFile* out_;
  std::int64_t row_number_ = 0;
  std::optional<CodonTable> codons_;  // exon mode only
  // The hits of one region come one after another: its columns and exon
  // data are prepared once for all of them.
  std::size_t current_region_ = SIZE_MAX;
  std::optional<RegionColumns> columns_;
  const ExonFrame* exon_frame_ = nullptr;
  std::optional<ExonContext> exon_;
};

}  // namespace vesmar
