#include "engine/number_reader.h"

#include <cstdlib>
#include <string>

namespace vesmar {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(std::string_view text, std::size_t i) {
  while (i < text.size() && is_digit(text[i])) ++i;
  return i;
}

}  // namespace

std::size_t leading_decimal_length(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_c_space(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integer_start = i;
  i = skip_digits(text, i);
  bool has_digits = i > integer_start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction_start = i + 1;
    const std::size_t fraction_end = skip_digits(text, fraction_start);
    if (has_digits || fraction_end > fraction_start) {
      has_digits = true;
      i = fraction_end;
    }
  }
  if (!has_digits) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponent_end = skip_digits(text, j);
    if (exponent_end > j) i = exponent_end;
  }
  return i;
}

double read_leading_decimal(std::string_view text) {
  const std::size_t length = leading_decimal_length(text);
  if (length == 0) return 0.0;
  // The prefix is a plain decimal number, which strtod reads exactly as such.
  const std::string prefix(text.substr(0, length));
  return std::strtod(prefix.c_str(), nullptr);
}

}  // namespace vesmar
