#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vesmar {

// The axis the tracks share: positions 0 to `end`, a tick every `step`.
struct Axis {
  std::int64_t end = 1;
  std::int64_t step = 1;
};

// The axis for records that reach position `farthest` on chromosomes whose
// longest reaches `longest`: it ends at `farthest` rounded up to a tick,
// but never beyond `longest`, so that records near the start of the genome
// (a short test genome) are spread out rather than crowded into a pixel; at
// most 10 steps of 1, 2 or 5 times a power of ten. No records: the whole
// of `longest`.
Axis axis_for(std::int64_t farthest, std::int64_t longest);

// The tick positions, 0 first, up to the axis's end.
std::vector<std::int64_t> ticks(const Axis& axis);

// A tick's label in the unit its step suits: "5 Mb", "0.5 Mb", "20 kb",
// "1,500".
std::string tick_label(std::int64_t position, std::int64_t step);

}  // namespace vesmar
