#pragma once

#include <cstddef>
#include <string_view>

namespace vesmar {

// The aligner takes reads of at most 32 bases.
inline constexpr std::size_t kReadLength = 32;

// One line of the reads file: a read cut to kReadLength characters, with
// "A"-"Z" lowered and "." (an uncalled base) turned into "n", followed by its
// line feed. Every other byte, a carriage return included, passes unchanged.
struct ReadLine {
  char bytes[kReadLength + 1];
  std::size_t size = 0;

  std::string_view text() const { return std::string_view(bytes, size); }
};

ReadLine normalised_read_line(std::string_view read);

}  // namespace vesmar
