#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "formats/feature_locations/region_table.h"

namespace vesmar::testing {

// The region match as its rule reads, for tests to hold the sweep of
// RegionMatcher against: the first region in file order with
// start - 10 < position < end + 10, by a plain scan of every region.
inline std::optional<std::size_t> first_region_reaching(const std::vector<Region>& regions,
                                                        std::int64_t position) {
  for (std::size_t i = 0; i < regions.size(); ++i) {
    if (std::int64_t{regions[i].start} - 10 < position && position < std::int64_t{regions[i].end} + 10) return i;
  }
  return std::nullopt;
}

}  // namespace vesmar::testing
