#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vesmar {

// Where each chromosome of the reference genome begins in the concatenated
// genome: the genome files are joined in the order I, II, III, IV, V, X, each
// chromosome padded to a multiple of 50 bases. The name is compared exactly
// (case, blanks and carriage returns count); any other text has no offset.
std::optional<std::int32_t> chromosome_offset(std::string_view chromosome);

}  // namespace vesmar
