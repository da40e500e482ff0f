#pragma once

#include <cstdint>
#include <optional>
#include <queue>
#include <vector>

#include "formats/feature_locations/region_table.h"

namespace vesmar {

// The region a hit belongs to: the first region in file order that reaches
// its position, from ten positions before the region's first base to eight
// after its last (start - 10 < position < end + 10).
//
// A genome has hundreds of thousands of regions and a run up to millions of
// hits, so the regions are not scanned for every hit: positions asked in
// increasing order (as the hits come) are answered by one sweep over the
// regions sorted by their reach, with the regions that reach the current
// position in a heap ordered by file index. A position lower than the one
// before starts the sweep afresh. The regions must outlive the matcher,
// which keeps only their order beside them (a million regions take 56 MB).
class RegionMatcher {
 public:
  explicit RegionMatcher(const std::vector<Region>& regions);

  // Inlined into the scan, which asks once per hit; the heap is touched only
  // where a region comes into reach or goes out of it.
  std::optional<std::size_t> match(std::int64_t position) {
    if (position < last_position_) restart();
    last_position_ = position;
    if (next_ < by_first_.size() && first_reached(by_first_[next_]) <= position) enter(position);
    if (!active_.empty() && last_reached(active_.top()) < position) leave(position);
    if (active_.empty()) return std::nullopt;
    return active_.top();
  }

 private:
  void restart();
  // Puts the regions whose reach begins at or before `position` in the heap.
  void enter(std::int64_t position);
  // Positions only grow, so a region whose reach ended before `position` is
  // done for good: takes such regions off the top of the heap, so that the
  // lowest index left reaches the position.
  void leave(std::int64_t position);

  std::int64_t first_reached(std::uint32_t index) const { return std::int64_t{regions_[index].start} - 9; }
  std::int64_t last_reached(std::uint32_t index) const { return std::int64_t{regions_[index].end} + 9; }

  const std::vector<Region>& regions_;
  std::vector<std::uint32_t> by_first_;    // file indexes sorted by first position
  std::size_t next_ = 0;                   // next entry of by_first_ to enter the heap
  std::priority_queue<std::uint32_t, std::vector<std::uint32_t>, std::greater<>> active_;
  std::int64_t last_position_ = INT64_MIN;
};

}  // namespace vesmar
