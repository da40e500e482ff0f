#pragma once

#include <cstdint>
#include <string_view>

namespace vesmar {

// The answer to "How many chromosome files in Fasta format do you have? ".
struct ChromosomeCount {
  // The answer's leading decimal number, fraction kept (0 without one). A
  // chromosome whose 1-based index differs from it is followed by a line
  // feed, so a whole count ends the file with its last padding run and a
  // fractional one (2.5) with a line feed.
  double number_value = 0;
  // How many file names are asked: the value with its fraction dropped
  // toward zero (2.9 gives 2, 3abc gives 3), none for 0 or less.
  std::int64_t files = 0;
};

ChromosomeCount chromosome_count(std::string_view answer);

}  // namespace vesmar
