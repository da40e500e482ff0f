#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "formats/record_lines/input_record.h"
#include "genome/chromosome_layout.h"

namespace vesmar {

// A line of Gap_region_scan's BED: a stretch without reads, 0-based and
// half-open on its chromosome (start = end: the point of an insertion
// entry between its two positions, which the file gives as an interval over
// both). The texts stay as the file writes them.
struct GapRecord {
  int chromosome = 0;  // its place in the layout the file is read with
  std::int64_t start = 0;
  std::int64_t end = 0;
  std::string name;
  std::string comment;

  std::pair<int, std::int64_t> key() const { return {chromosome, start}; }
  // The positions no read covers (none for an insertion entry).
  std::int64_t length() const { return end - start; }
};

// Reads one line of a BED (without its line feed; a carriage return before
// it is dropped). A record needs chrom, start and end, whole numbers with
// start <= end; name and comment (the 4th and 8th columns) may be missing.
// chrom is found in `layout` as read_vcf_line finds CHROM. "#", "track" and
// "browser" lines are headers.
LineKind read_bed_line(std::string_view line, const ChromosomeLayout& layout, GapRecord& record);

}  // namespace vesmar
