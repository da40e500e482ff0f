#pragma once

#include <array>
#include <string_view>

#include "formats/feature_locations/exon_tables.h"

namespace vesmar {

// The amino acid of a codon that the genetic code does not hold.
inline constexpr std::string_view kUnknownAminoAcid = "???";

// The genetic code as the codon changes look it up, once per codon of a
// report that may have millions of rows: the 64 codons of lowercase bases
// by their bases' index, any other text through the genetic code itself.
// It refers to `code`, which must outlive it and stay as it is.
class CodonTable {
 public:
  explicit CodonTable(const GeneticCode& code);

  // The codon's amino acid, or kUnknownAminoAcid.
  std::string_view amino_acid(std::string_view codon) const;

 private:
  const GeneticCode& code_;
  std::array<std::string_view, 64> by_index_;
};

}  // namespace vesmar
