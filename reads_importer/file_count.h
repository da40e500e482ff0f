#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vesmar {

// Beyond this many input files a count cannot be meant, and every name is
// held until all have been asked.
inline constexpr std::int64_t kMaxInputFiles = 1'000'000;

// How many file names the answer to "How many sequence read files do you
// have? " asks for. The answer's leading decimal number (0 without one) less
// one, truncated toward zero, is the last file index, so 2.5 asks two files,
// 0.5 one, 3abc three, and 0, -4 or abc none. Nothing when the count is above
// kMaxInputFiles.
std::optional<std::int64_t> input_file_count(std::string_view answer);

}  // namespace vesmar
