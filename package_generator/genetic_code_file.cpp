#include "package_generator/genetic_code_file.h"

#include "package_generator/whole_file.h"

namespace vesmar::generator {

namespace {

// The three-letter name of an amino acid given by its one-letter code; `*`
// (a stop) is named `stop_name`.
std::string_view three_letter_code(char amino_acid, std::string_view stop_name) {
  constexpr std::string_view kOneLetter = "ARNDCQEGHILKMFPSTWYV";
  constexpr std::string_view kThreeLetter = "AlaArgAsnAspCysGlnGluGlyHisIleLeuLysMetPheProSerThrTrpTyrVal";
  const std::size_t at = kOneLetter.find(amino_acid);
  return at == std::string_view::npos ? stop_name : kThreeLetter.substr(3 * at, 3);
}

}  // namespace

std::string genetic_code_text(std::string_view stop_name) {
  constexpr std::string_view kBases = "tcag";
  // One letter per codon in the order ttt, ttc, tta, ttg, tct, ...; * for a stop.
  constexpr std::string_view kAminoAcids = "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
  std::string text;
  for (int i = 0; i < 64; ++i) {
    text += kBases[i / 16];
    text += kBases[i / 4 % 4];
    text += kBases[i % 4];
    text += three_letter_code(kAminoAcids[i], stop_name);
    text += '\n';
  }
  return text;
}

Status write_genetic_code(const std::string& path, std::string_view stop_name) {
  return write_whole_file(path, [&](OutputFile& file) { file.write(genetic_code_text(stop_name)); });
}

}  // namespace vesmar::generator
