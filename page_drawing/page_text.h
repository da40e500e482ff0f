#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesmar {

// Texts for the overview page, which is XHTML: a browser shows it and an
// XML parser (xmllint) reads it.

// Appends `text` as XML character data or attribute value: & < > " ' as
// entities, and every byte that XML 1.0 cannot hold (control characters
// but tab and line feed) or that is no part of well-formed UTF-8 as U+FFFD,
// so that whatever the input files hold, the page stays well-formed.
void append_xml(std::string& out, std::string_view text);
std::string xml(std::string_view text);

// A whole number with commas between groups of three digits: 15,072,450.
std::string grouped(std::int64_t value);

// A number with `places` decimals, as SVG coordinates and shares are written.
std::string decimal(double value, int places);

}  // namespace vesmar
