#include "common/fixed_width.h"

#include <charconv>

namespace vesmar {

void append_field(std::string& line, std::string_view text, std::size_t width) {
  line.append(text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

void append_number(std::string& line, std::int64_t value, bool explicit_sign) {
  char digits[24];
  char* begin = digits;
  if (explicit_sign && value >= 0) *begin++ = '+';
  auto [end, error] = std::to_chars(begin, digits + sizeof digits, value);
  (void)error;  // 24 characters hold any 64-bit value with its sign
  line.append(digits, end);
}

void append_number_field(std::string& line, std::int64_t value, std::size_t width,
                         bool explicit_sign) {
  const std::size_t before = line.size();
  append_number(line, value, explicit_sign);
  const std::size_t written = line.size() - before;
  if (written < width) line.append(width - written, ' ');
}

}  // namespace vesmar
