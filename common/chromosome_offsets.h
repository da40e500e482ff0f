#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vesmar {

// Where each chromosome of the reference genome begins in the concatenated
// genome: the genome files are joined in the order I, II, III, IV, V, X, each
// chromosome padded to a multiple of 50 bases. The name is compared exactly
// (case, blanks and carriage returns count); any other text has no offset.
std::optional<std::int32_t> chromosome_offset(std::string_view chromosome);

// The six chromosomes, in genome order.
inline constexpr std::array<std::string_view, 6> kChromosomeNames = {"I", "II", "III", "IV", "V", "X"};

// The place of `chromosome` in kChromosomeNames, compared as the offsets
// are; nothing for any other text.
std::optional<int> chromosome_index(std::string_view chromosome);

}  // namespace vesmar
