#pragma once

#include <optional>
#include <string_view>

namespace vesmar {

// The read of one gseq line, or nothing when the line is not a usable record.
//
// A gseq line is split into fields at runs of white space (blank, tab,
// carriage return, line feed, form feed; not vertical tab). White space at the
// very start gives an empty first field; white space at the end makes no
// field; an empty line has no fields. A record is used only when it has
// exactly 11 fields and field 11, read as a leading decimal number, is 1 (so
// "1", "01", "1.0" and "1e0" pass). The read is field 9.
//
// The line is looked at 64 bytes at a time in place, its last piece too, so
// at least 64 readable bytes must follow it, as they follow every line inside
// a LineReader block (see line_scan.h).
std::optional<std::string_view> gseq_read_in_block(std::string_view line);

}  // namespace vesmar
