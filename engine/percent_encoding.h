#pragma once

#include <string_view>

namespace vesmar {

// Writes `text` at `out` with every byte that keep(c) refuses as %XX
// (upper-case hex), and returns the end; `out` has room for three bytes a
// byte. The standard files carry region names this way, since a name may
// hold what separates their fields.
template <class Keep>
char* put_percent_encoded(char* out, std::string_view text, Keep keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    if (keep(c)) {
      *out++ = c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      *out++ = '%';
      *out++ = kHex[byte >> 4];
      *out++ = kHex[byte & 15];
    }
  }
  return out;
}

}  // namespace vesmar
