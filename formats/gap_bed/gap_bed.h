#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/output_file.h"
#include "genome/chromosome_layout.h"
#include "genome_scan/gap_table.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The gap report's companion in BED, which genome browsers and bedtools
// read: tab-separated, a "#" line naming the columns, then one line per
// report row whose region lies on a chromosome of the layout, sorted by
// chromosome (in genome order) and start, as bedtools sort and tabix want:
//
//   chrom              the layout's name of the region's chromosome
//   start, end         the bases no read covers, 0-based and half-open on
//                      the chromosome; an "Insertion?" entry covers its two
//                      adjacent mutant positions. Where the layout knows the
//                      chromosome's length, an interval that runs into the
//                      padding after it ends at its end.
//   name               the region's (bytes that BED cannot hold as %XX),
//                      followed by kCutAtChromosomeEnd when cut so
//   score              0
//   strand             + for strand "1", - for "-1", . for any other
//   gap_length         the report's Length
//   comment            flanked_by_1_mutant_read, flanked_by_2_mutant_reads,
//                      insertion, or .
//
// The rows are gathered as the report is written and sorted at the end.
class GapBed {
 public:
  // The layout must outlive the writer.
  explicit GapBed(const ChromosomeLayout& layout) : layout_(layout) {}
  // The row of `gap` in `region`, whose chromosome is `chromosome` of the
  // layout (find_region_chromosome), or none.
  void add(const GapEntry& gap, const Region& region, std::optional<std::size_t> chromosome);
  void write(OutputFile& out);
  std::int64_t lines() const { return static_cast<std::int64_t>(rows_.size()); }
  // The report's rows left out: on no chromosome of the layout, or only in
  // the padding around one.
  std::int64_t left_out() const { return left_out_; }

 private:
  struct Row {
    std::size_t chromosome;  // in the layout
    std::int64_t start;
    std::int64_t end;
    std::string_view name;
    char strand;
    std::int32_t gap_length;
    GapComment comment;
    bool cut;  // at the chromosome's end
  };
  const ChromosomeLayout& layout_;
  std::vector<Row> rows_;
  std::int64_t left_out_ = 0;
};

// What follows the name of an interval cut at its chromosome's end.
inline constexpr std::string_view kCutAtChromosomeEnd = ";cut_at_chromosome_end";

}  // namespace vesmar
