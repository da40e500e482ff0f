#include "genome_scan/region_match.h"

#include <algorithm>

namespace vesmar {

RegionMatcher::RegionMatcher(const std::vector<Region>& regions) : regions_(regions) {
  by_first_.resize(regions.size());
  for (std::size_t i = 0; i < by_first_.size(); ++i) by_first_[i] = static_cast<std::uint32_t>(i);
  // Region files list their regions in genome order, as a rule: then
  // there is nothing to sort.
  const auto by_start = [](const Region& a, const Region& b) { return a.start < b.start; };
  if (std::is_sorted(regions.begin(), regions.end(), by_start)) return;
  // In file order where the first positions are equal, as a stable sort
  // would leave them, without the stable sort's second buffer.
  std::sort(by_first_.begin(), by_first_.end(), [&](std::uint32_t a, std::uint32_t b) {
    return regions[a].start != regions[b].start ? regions[a].start < regions[b].start : a < b;
  });
}

void RegionMatcher::restart() {
  next_ = 0;
  active_ = {};
}

void RegionMatcher::enter(std::int64_t position) {
  while (next_ < by_first_.size() && first_reached(by_first_[next_]) <= position) {
    active_.push(by_first_[next_++]);
  }
}

void RegionMatcher::leave(std::int64_t position) {
  while (!active_.empty() && last_reached(active_.top()) < position) active_.pop();
}

}  // namespace vesmar
