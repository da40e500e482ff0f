#pragma once

#include <cstdint>
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

}  // namespace vesmar
