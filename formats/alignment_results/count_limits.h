#pragma once

#include <cstddef>
#include <cstdint>

namespace vesmar {

// The gap scanner tells the alignment results file's count lines from its
// window lines by their length alone: a count line has at most
// kLongestCountLine characters, and a window line more. So no writer writes
// a count above kLargestCount: a larger one is written as kLargestCount.
inline constexpr std::size_t kLongestCountLine = 6;
inline constexpr std::int32_t kLargestCount = 999'999;
static_assert(kLargestCount < 10'000'000 && kLargestCount >= 100'000, "kLargestCount has kLongestCountLine digits");

}  // namespace vesmar
