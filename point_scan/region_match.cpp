#include "point_scan/region_match.h"

#include <algorithm>

namespace vesmar {

RegionMatcher::RegionMatcher(const std::vector<Region>& regions) {
  reach_.reserve(regions.size());
  for (const Region& region : regions) {
    reach_.push_back({std::int64_t{region.start} - 9, std::int64_t{region.end} + 9});
  }
  by_first_.resize(regions.size());
  for (std::size_t i = 0; i < by_first_.size(); ++i) by_first_[i] = static_cast<std::uint32_t>(i);
  std::stable_sort(by_first_.begin(), by_first_.end(), [&](std::uint32_t a, std::uint32_t b) {
    return reach_[a].first < reach_[b].first;
  });
}

void RegionMatcher::restart() {
  next_ = 0;
  active_ = {};
}

void RegionMatcher::enter(std::int64_t position) {
  while (next_ < by_first_.size() && reach_[by_first_[next_]].first <= position) {
    active_.push(by_first_[next_++]);
  }
}

void RegionMatcher::leave(std::int64_t position) {
  while (!active_.empty() && reach_[active_.top()].last < position) active_.pop();
}

}  // namespace vesmar
