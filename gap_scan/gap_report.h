#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "formats/gap_bed/gap_bed.h"
#include "genome_scan/gap_table.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The report's heading: title, the note on strands, the column names and a
// rule of hyphens, nine lines in all.
std::string_view gap_report_heading();

// Writes the report row of a gap in a region at `out`, which has room for
// longest_gap_row(region) bytes, and returns its end. Start and End are
// relative to the region's start and carry their sign; the two "Gen. Pos."
// columns are chromosome positions and are left out, with their blanks, when
// `offset`, that of the region's chromosome, is none: its text names no
// chromosome of the layout (find_region_chromosome).
std::size_t longest_gap_row(const Region& region);
char* put_gap_row(char* out, std::int64_t row_number, const GapEntry& gap, const Region& region,
                  std::optional<std::int64_t> offset);

// Writes the heading and a row for every gap-region pair of the region walk
// into `report`, gives each row to `bed` too, and gives the number of rows.
// The chromosomes are the layout's, which `bed` must hold too.
std::int64_t write_gap_report(OutputFile& report, GapBed& bed, const GapTable& gaps,
                              const std::vector<Region>& regions, const ChromosomeLayout& layout);

}  // namespace vesmar
