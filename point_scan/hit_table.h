#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "common/line_reader.h"
#include "scan_input/point_record_reader.h"
#include "point_scan/hit_test.h"
#include "point_scan/region_match.h"

namespace vesmar {

// A position that passed the hit test and lies in reach of a region, with the
// first such region in file order. Hits that reach no region never make a
// report row, so they are not kept.
struct Hit {
  std::int64_t position = 0;
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
  std::size_t region = 0;  // index in the region table
  std::size_t windows_begin = 0;
  std::size_t read_window_size = 0;
  std::size_t reference_window_size = 0;
};

// The hits of one run in increasing position, with their two windows stored
// one after another in one text, so that memory follows what is kept.
struct HitTable {
  std::vector<Hit> hits;
  std::string windows;

  std::string_view read_window(const Hit& hit) const {
    return std::string_view(windows).substr(hit.windows_begin, hit.read_window_size);
  }
  std::string_view reference_window(const Hit& hit) const {
    return std::string_view(windows).substr(hit.windows_begin + hit.read_window_size,
                                            hit.reference_window_size);
  }
};

// Reads the alignment results file through `reader` in one pass and calls
// use_hit(record, region) for each record that passes the hit test and that
// a region reaches, with the first such region in file order.
template <class UseHit>
Status scan_hits(LineReader& reader, const HitThresholds& thresholds, RegionMatcher& matcher,
                 UseHit&& use_hit);

// The same hits, kept in a table.
Result<HitTable> collect_hits(LineReader& reader, const HitThresholds& thresholds,
                              RegionMatcher& matcher);

template <class UseHit>
Status scan_hits(LineReader& reader, const HitThresholds& thresholds, RegionMatcher& matcher,
                 UseHit&& use_hit) {
  auto wanted = [&](std::int32_t wt_reads, std::int32_t mut_reads) {
    return is_hit(wt_reads, mut_reads, thresholds);
  };
  // A record without mutant reads passes only when the minimum allows 0.
  const bool zero_mutants_wanted = thresholds.min_mut_reads <= 0;
  return read_alignment_records(reader, zero_mutants_wanted, wanted,
                                [&](const AlignmentRecord& record) {
                                  if (std::optional<std::size_t> region = matcher.match(record.position)) {
                                    use_hit(record, *region);
                                  }
                                });
}

}  // namespace vesmar
