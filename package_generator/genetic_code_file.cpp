#include "package_generator/genetic_code_file.h"

#include "package_generator/whole_file.h"

namespace vesmar::generator {

namespace {

std::string_view three_letter_code(char amino_acid, std::string_view stop_name) {
  switch (amino_acid) {
    case 'A': return "Ala"; case 'R': return "Arg"; case 'N': return "Asn"; case 'D': return "Asp";
    case 'C': return "Cys"; case 'Q': return "Gln"; case 'E': return "Glu"; case 'G': return "Gly";
    case 'H': return "His"; case 'I': return "Ile"; case 'L': return "Leu"; case 'K': return "Lys";
    case 'M': return "Met"; case 'F': return "Phe"; case 'P': return "Pro"; case 'S': return "Ser";
    case 'T': return "Thr"; case 'W': return "Trp"; case 'Y': return "Tyr"; case 'V': return "Val";
    default: return stop_name;
  }
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
