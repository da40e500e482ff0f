#pragma once

#include <string>
#include <string_view>

#include "engine/failure.h"

namespace vesmar {

// genetic_code.txt: the standard genetic code, one line per codon, the 64
// codons in lowercase (ttt, ttc, tta, ttg, tct, ...), each followed by its
// amino acid's three-letter code, and by `stop_name` for the three stop
// codons (the guide's tables write "Stp"; "Ter" is the other usual name).
//
// Another translation table is given by `amino_acids`: the one-letter codes
// of the 64 codons in that order, "*" for a stop, as NCBI publishes its
// tables (kStandardAminoAcids is table 1).
inline constexpr std::string_view kStandardAminoAcids =
    "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
std::string genetic_code_text(std::string_view stop_name, std::string_view amino_acids = kStandardAminoAcids);
Status write_genetic_code(const std::string& path, std::string_view stop_name);

}  // namespace vesmar
