#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "fuzz/support/fuzz_input.h"

namespace vesmar::fuzz {

// Walks a report line column by column: each column holds its value written
// whole and padded with blanks to the column's width (a longer value pushes
// the rest of the line to the right).
class RowLayout {
 public:
  explicit RowLayout(std::string_view line) : line_(line) {}

  void field(std::string_view value, std::size_t width, const char* column) {
    FUZZ_CHECK(line_.substr(at_, value.size()) == value,
               std::string(column) + " column at " + std::to_string(at_) + " of:\n" + std::string(line_));
    at_ += value.size();
    for (std::size_t i = value.size(); i < width; ++i, ++at_) {
      FUZZ_CHECK(at_ < line_.size() && line_[at_] == ' ', std::string(column) + " column not padded at " +
                                                              std::to_string(at_) + " of:\n" +
                                                              std::string(line_));
    }
  }
  // A column followed by its separating blank.
  void column(std::string_view value, std::size_t width, const char* name) {
    field(value, width, name);
    field("", 1, name);
  }
  void blanks(std::size_t count, const char* where) { field("", count, where); }
  void end() { FUZZ_CHECK(at_ == line_.size(), "more after the last column of:\n" + std::string(line_)); }

 private:
  std::string_view line_;
  std::size_t at_ = 0;
};

}  // namespace vesmar::fuzz
