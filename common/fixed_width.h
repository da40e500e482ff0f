#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vesmar {

// The reports' columns: a value is written left-aligned and padded on the
// right with blanks up to the column's width; a longer value is written whole
// and pushes the rest of the line to the right.
void append_field(std::string& line, std::string_view text, std::size_t width);

// A number in plain decimal (a minus sign when negative, no grouping) in a
// column. With `explicit_sign` a plus sign stands before zero and positive
// values.
void append_number_field(std::string& line, std::int64_t value, std::size_t width,
                         bool explicit_sign = false);

// A number in plain decimal, without a column.
void append_number(std::string& line, std::int64_t value, bool explicit_sign = false);

// The same three, written at `out`, which must have room for the text or the
// width, whichever is longer (a number takes at most kLongestNumber
// characters); each returns the end of what it wrote. Rows of a report of
// millions of lines are built this way, without a check per character.
inline constexpr std::size_t kLongestNumber = 21;

inline char* put_field(char* out, std::string_view text, std::size_t width) {
  // An empty view may have no data at all, which memcpy must not be given.
  if (!text.empty()) std::memcpy(out, text.data(), text.size());
  out += text.size();
  if (text.size() < width) {
    std::memset(out, ' ', width - text.size());
    out += width - text.size();
  }
  return out;
}

inline char* put_number(char* out, std::int64_t value, bool explicit_sign = false) {
  if (explicit_sign && value >= 0) *out++ = '+';
  return std::to_chars(out, out + kLongestNumber, value).ptr;
}

inline char* put_number_field(char* out, std::int64_t value, std::size_t width,
                              bool explicit_sign = false) {
  char* const begin = out;
  out = put_number(out, value, explicit_sign);
  const std::size_t written = static_cast<std::size_t>(out - begin);
  if (written < width) {
    std::memset(out, ' ', width - written);
    out += width - written;
  }
  return out;
}

}  // namespace vesmar
