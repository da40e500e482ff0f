#pragma once

#include <optional>
#include <string_view>

namespace vesmar {

// NCBI's genetic codes by their translation table number: the one-letter
// amino acids of the 64 codons in the order ttt, ttc, tta, ttg, tct, ...
// ("*" a stop), as NCBI publishes them. Nothing for a number NCBI does not
// use.
std::optional<std::string_view> translation_table(int number);

// The numbers that have a table, in order, for messages ("1, 2, 3, ...").
std::string_view translation_table_numbers();

}  // namespace vesmar
