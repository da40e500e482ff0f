#pragma once

#include <string>

#include "common/output_file.h"
#include "point_scan/exon_tables.h"
#include "point_scan/hit_table.h"
#include "point_scan/region_table.h"

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

// The three lines of row `row_number` for `hit`.
std::string point_report_row(const PointReport& report, const Hit& hit, std::int64_t row_number);

void write_point_report(const PointReport& report, OutputFile& out);

}  // namespace vesmar
