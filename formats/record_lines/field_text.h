#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesmar {

// Helpers for the tab-separated lines of the VCF and BED files.

// Cuts `line` at `separator` into `fields` (the first fields.size() pieces;
// the last of those ends at the next separator, as the others). Returns how
// many pieces the line has in all.
std::size_t split_fields(std::string_view line, char separator, std::span<std::string_view> fields);

// A whole number written with digits only, up to the largest 32-bit
// position; nothing for any other text (a sign, a blank, a fraction, an
// empty field).
std::optional<std::int64_t> whole_number(std::string_view text);

// The text with each %XX (two hexadecimal digits) turned back into its byte,
// as the files write what their fields may not hold; a "%" without two
// digits stays.
std::string percent_decoded(std::string_view text);

}  // namespace vesmar
