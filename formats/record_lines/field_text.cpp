#include "formats/record_lines/field_text.h"

#include <limits>

namespace vesmar {

namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::size_t split_fields(std::string_view line, char separator, std::span<std::string_view> fields) {
  std::size_t count = 0;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = line.find(separator, begin);
    if (count < fields.size()) fields[count] = line.substr(begin, end == std::string_view::npos ? end : end - begin);
    ++count;
    if (end == std::string_view::npos) return count;
    begin = end + 1;
  }
}

std::optional<std::int64_t> whole_number(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return value;
}

std::string percent_decoded(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hex_digit(text[i + 1]) >= 0 && hex_digit(text[i + 2]) >= 0) {
      decoded += static_cast<char>(hex_digit(text[i + 1]) * 16 + hex_digit(text[i + 2]));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

}  // namespace vesmar
