#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "genome_scan/gap_table.h"
#include "formats/feature_locations/region_table.h"

namespace vesmar {

// Whether a gap entry lies in a region: it begins at or before the region's
// start and reaches it, or it begins within the region. An insertion entry
// lies in the region that holds its second mutant position.
inline bool gap_overlaps_region(const GapEntry& gap, const Region& region) {
  const std::int64_t first = gap_start(gap);
  const std::int64_t last = gap.gap_end;
  return (first <= region.start && last >= region.start) ||
         (first >= region.start && first <= region.end);
}

// Pairs the gaps with the regions they overlap, in one joint pass over both
// tables in genome order, and calls use_row(gap_index, region_index) for each
// pair it finds. A gap that reaches past the end of its region is paired with
// the next region too when a later gap moves the walk on to it; the last gap
// gets rows only for the regions the walk has reached. Gaps after the end of
// the last region end the walk. Each step moves on either a gap or a region,
// so the walk is linear in their numbers.
template <class UseRow>
void walk_gap_regions(const GapTable& gaps, const std::vector<Region>& regions, UseRow&& use_row) {
  const std::size_t gap_count = gaps.size();
  const std::size_t region_count = regions.size();
  if (region_count == 0) return;
  std::size_t gap = 0;
  std::size_t region = 0;
  while (gap < gap_count) {
    if (gap_start(gaps[gap]) > regions[region].end) {
      ++region;
      if (region == region_count) return;
      // The gap before may reach into the region just come to.
      if (gap > 0 && gap_overlaps_region(gaps[gap - 1], regions[region])) use_row(gap - 1, region);
    } else {
      if (gap_overlaps_region(gaps[gap], regions[region])) use_row(gap, region);
      ++gap;
    }
  }
}

}  // namespace vesmar
