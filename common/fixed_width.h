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

// Copies `size` bytes from `text` to `out` without a library call for the
// short texts of a report row: a few loads and stores that may overlap, and
// never a byte outside either text.
inline void copy_text(char* out, const char* text, std::size_t size) {
  auto copy_pair = [&](auto word) {
    constexpr std::size_t kWord = sizeof word;
    decltype(word) first;
    decltype(word) last;
    std::memcpy(&first, text, kWord);
    std::memcpy(&last, text + size - kWord, kWord);
    std::memcpy(out, &first, kWord);
    std::memcpy(out + size - kWord, &last, kWord);
  };
  struct Sixteen {
    std::uint64_t low;
    std::uint64_t high;
  };
  if (size >= 32) {
    std::memcpy(out, text, size);
  } else if (size >= 16) {
    copy_pair(Sixteen{});
  } else if (size >= 8) {
    copy_pair(std::uint64_t{});
  } else if (size >= 4) {
    copy_pair(std::uint32_t{});
  } else if (size > 0) {
    out[0] = text[0];
    out[size / 2] = text[size / 2];
    out[size - 1] = text[size - 1];
  }
}

inline char* put_field(char* out, std::string_view text, std::size_t width) {
  // The blanks go first, so that a width known where this is inlined costs
  // a few stores; the text is then written over them.
  std::memset(out, ' ', width);
  copy_text(out, text.data(), text.size());
  return out + (text.size() > width ? text.size() : width);
}

inline char* put_number(char* out, std::int64_t value, bool explicit_sign = false) {
  if (explicit_sign && value >= 0) *out++ = '+';
  return std::to_chars(out, out + kLongestNumber, value).ptr;
}

inline char* put_number_field(char* out, std::int64_t value, std::size_t width,
                              bool explicit_sign = false) {
  std::memset(out, ' ', width);
  char* const end = put_number(out, value, explicit_sign);
  return end > out + width ? end : out + width;
}

}  // namespace vesmar
