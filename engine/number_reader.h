#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

namespace vesmar {

// Whether a value that operator>> failed to read stands for a number beyond
// the type's range: it then gives the type's largest or lowest value (plain
// 0 for a text that is no number). Answers and options are read so.
template <class T>
bool is_range_limit(T value) {
  return value == std::numeric_limits<T>::max() || value == std::numeric_limits<T>::lowest();
}

// White space as the C library's isspace sees it in the "C" locale.
inline bool is_c_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads a number the way the C library's atoi does: leading white space is
// skipped, then an optional sign and the decimal digits that follow; reading
// stops at the first other character, and a text without digits is 0. Unlike
// atoi, a value beyond the range of a signed 32-bit integer saturates at the
// nearest end of the range instead of being undefined.
inline std::int32_t read_atoi(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && is_c_space(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate as a negative number so that INT32_MIN is reachable.
  constexpr std::int64_t kLimit = std::int64_t{1} << 32;
  std::int64_t value = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') {
    if (value < kLimit) value = value * 10 + (text[i] - '0');
    ++i;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// Reads the leading decimal number of a text: leading white space is skipped,
// then the longest prefix of the form [sign] digits [. digits] [e [sign] digits]
// (digits on at least one side of the point) gives the value. A text without
// such a prefix is 0; so are hexadecimal, "inf" and "nan". A value too large
// for a double is an infinity of its sign.
double read_leading_decimal(std::string_view text);

// The length of that decimal prefix (white space included), 0 when there is none.
std::size_t leading_decimal_length(std::string_view text);

}  // namespace vesmar
