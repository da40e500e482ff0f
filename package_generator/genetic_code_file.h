#pragma once

#include <string>
#include <string_view>

#include "engine/failure.h"

namespace vesmar::generator {

// genetic_code.txt: the standard genetic code, one line per codon, the 64
// codons in lowercase (ttt, ttc, tta, ttg, tct, ...), each followed by its
// amino acid's three-letter code, and by `stop_name` for the three stop
// codons (the guide's tables write "Stp"; "Ter" is the other usual name).
std::string genetic_code_text(std::string_view stop_name);
Status write_genetic_code(const std::string& path, std::string_view stop_name);

}  // namespace vesmar::generator
