#pragma once

#include <cstdint>

namespace vesmar {

// The point scanner's two thresholds. The first prompt calls mut_wt_ratio a
// maximum Mutant-to-WT ratio; the test uses it as the least number of mutant
// reads per wild-type read.
struct HitThresholds {
  double mut_wt_ratio = 0;
  std::int32_t min_mut_reads = 0;
};

// A position is a hit when mut_reads >= min_mut_reads and
// mut_reads >= mut_wt_ratio x wt_reads, in double precision (a product that
// is not a number fails).
inline bool is_hit(std::int32_t wt_reads, std::int32_t mut_reads, const HitThresholds& thresholds) {
  return mut_reads >= thresholds.min_mut_reads &&
         static_cast<double>(mut_reads) >= thresholds.mut_wt_ratio * static_cast<double>(wt_reads);
}

}  // namespace vesmar
