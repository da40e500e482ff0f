#include "page_drawing/axis_scale.h"

#include <algorithm>

#include "page_drawing/page_text.h"

namespace vesmar {

namespace {

constexpr std::int64_t kMostSteps = 10;

// The least step of 1, 2 or 5 times a power of ten that cuts `span` into
// at most kMostSteps.
std::int64_t step_for(std::int64_t span) {
  for (std::int64_t power = 1;; power *= 10) {
    for (const std::int64_t factor : {1, 2, 5}) {
      if (span <= kMostSteps * factor * power) return factor * power;
    }
  }
}

}  // namespace

Axis axis_for(std::int64_t farthest, std::int64_t longest) {
  longest = std::max<std::int64_t>(longest, 1);
  if (farthest <= 0) return Axis{longest, step_for(longest)};
  const std::int64_t step = step_for(farthest);
  const std::int64_t rounded = (farthest + step - 1) / step * step;
  return Axis{std::min(rounded, std::max(longest, farthest)), step};
}

std::vector<std::int64_t> ticks(const Axis& axis) {
  std::vector<std::int64_t> positions;
  for (std::int64_t position = 0; position <= axis.end; position += axis.step) positions.push_back(position);
  return positions;
}

std::string tick_label(std::int64_t position, std::int64_t step) {
  if (position == 0) return "0";
  if (step >= 100'000) {
    return decimal(static_cast<double>(position) / 1e6, position % 1'000'000 == 0 ? 0 : 1) + " Mb";
  }
  if (step >= 1'000) return grouped(position / 1'000) + " kb";
  return grouped(position);
}

}  // namespace vesmar
