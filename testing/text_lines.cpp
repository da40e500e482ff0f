#include "testing/text_lines.h"

namespace vesmar::testing {

std::vector<std::string> pieces_of(std::string_view text) {
  std::vector<std::string> pieces(1);
  for (const char c : text) {
    if (c == '\n') {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

std::vector<std::string> lines_of(std::string_view text) {
  std::vector<std::string> lines = pieces_of(text);
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace vesmar::testing
