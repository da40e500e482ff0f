#include "page_drawing/page_text.h"

#include <algorithm>
#include <cstdio>

namespace vesmar {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of `text` (its
// first byte at least 0x80), or 0 when there is none.
std::size_t utf8_length(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  // U+FFFE and U+FFFF are no XML characters either.
  if (length == 3 && lead == 0xEF && byte(1) == 0xBF && byte(2) >= 0xBE) return 0;
  return length;
}

}  // namespace

void append_xml(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto code = static_cast<unsigned char>(c);
    switch (c) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      case '\'':
        out += "&#39;";
        continue;
      default:
        break;
    }
    if (code >= 0x80) {
      const std::size_t length = utf8_length(text.substr(i));
      if (length == 0) {
        out += kReplacement;
      } else {
        out += text.substr(i, length);
        i += length - 1;
      }
    } else if ((code < 0x20 && c != '\t' && c != '\n') || code == 0x7F) {
      out += kReplacement;
    } else {
      out += c;
    }
  }
}

std::string xml(std::string_view text) {
  std::string out;
  append_xml(out, text);
  return out;
}

std::string grouped(std::int64_t value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::string out = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string decimal(double value, int places) {
  char text[400];  // room for any double in fixed notation
  const int length = std::snprintf(text, sizeof text, "%.*f", places, value);
  return std::string(text, length > 0 ? std::min(static_cast<std::size_t>(length), sizeof text - 1) : 0);
}

}  // namespace vesmar
