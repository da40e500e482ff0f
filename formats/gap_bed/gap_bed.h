#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/output_file.h"
#include "genome_scan/gap_table.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The gap report's companion in BED, which genome browsers and bedtools
// read: tab-separated, a "#" line naming the columns, then one line per
// report row whose region lies on one of the six chromosomes, sorted by
// chromosome (in genome order) and start, as bedtools sort and tabix want:
//
//   chrom, start, end  the bases no read covers, 0-based and half-open on
//                      the chromosome; an "Insertion?" entry is the point
//                      between its two positions (start = end)
//   name               the region's (bytes that BED cannot hold as %XX)
//   score              0
//   strand             + for strand "1", - for "-1", . for any other
//   gap_length         the report's Length
//   comment            flanked_by_1_mutant_read, flanked_by_2_mutant_reads,
//                      insertion, or .
//
// The rows are gathered as the report is written and sorted at the end.
class GapBed {
 public:
  void add(const GapEntry& gap, const Region& region);
  void write(OutputFile& out);
  std::int64_t lines() const { return static_cast<std::int64_t>(rows_.size()); }
  // The report's rows left out: on none of the six chromosomes.
  std::int64_t left_out() const { return left_out_; }

 private:
  struct Row {
    int chromosome;  // 0 to 5: I to X
    std::int64_t start;
    std::int64_t end;
    std::string_view name;
    char strand;
    std::int32_t gap_length;
    GapComment comment;
  };
  std::vector<Row> rows_;
  std::int64_t left_out_ = 0;
};

}  // namespace vesmar
