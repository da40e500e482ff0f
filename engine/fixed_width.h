#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace vesmar {

// The reports' columns: a value is written left-aligned and padded on the
// right with blanks up to the column's width; a longer value is written whole
// and pushes the rest of the line to the right. A report's rows run to
// millions of lines, so a row is written straight into its file's buffer
// (OutputFile::room) by the put_* functions below, without a check per
// character: `out` must have room for the text or the width, whichever is
// longer (a number takes at most kLongestNumber characters), and each
// returns the end of what it wrote.
inline constexpr std::size_t kLongestNumber = 21;

// A column of a report: its heading and its width.
struct Column {
  std::string_view heading;
  std::size_t width;
};

// The heading line of a report: each column's heading in its width, one
// blank between two columns and none after the last, then a line feed.
std::string heading_line(std::span<const Column> columns);

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

// The text as it is, for the tab-separated files, whose fields have no width.
inline char* put_text(char* out, std::string_view text) { return put_field(out, text, 0); }

// A number in plain decimal (a minus sign when negative, no grouping) in a
// column. With `explicit_sign` a plus sign stands before zero and positive
// values.
inline char* put_number_field(char* out, std::int64_t value, std::size_t width,
                              bool explicit_sign = false) {
  std::memset(out, ' ', width);
  char* end = out;
  if (explicit_sign && value >= 0) *end++ = '+';
  end = std::to_chars(end, end + kLongestNumber, value).ptr;
  return end > out + width ? end : out + width;
}

// A field and the blank that separates it from the next column.
inline char* put_column(char* out, std::string_view text, std::size_t width) {
  out = put_field(out, text, width);
  *out = ' ';
  return out + 1;
}

inline char* put_number_column(char* out, std::int64_t value, std::size_t width, bool explicit_sign = false) {
  out = put_number_field(out, value, width, explicit_sign);
  *out = ' ';
  return out + 1;
}

}  // namespace vesmar
