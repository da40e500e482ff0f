#include "genome_scan/codon_table.h"

#include <cstdint>
#include <string>

namespace vesmar {

namespace {

constexpr char kBases[4] = {'a', 'c', 'g', 't'};

// 0 to 3 for a lowercase base, 4 for any other byte.
constexpr std::array<std::uint8_t, 256> kBaseIndex = [] {
  std::array<std::uint8_t, 256> index{};
  index.fill(4);
  for (std::uint8_t i = 0; i < 4; ++i) index[static_cast<unsigned char>(kBases[i])] = i;
  return index;
}();

int base_index(char base) { return kBaseIndex[static_cast<unsigned char>(base)]; }

std::string_view look_up(const GeneticCode& code, std::string_view codon) {
  const auto found = code.find(std::string(codon));
  return found == code.end() ? kUnknownAminoAcid : std::string_view(found->second);
}

}  // namespace

CodonTable::CodonTable(const GeneticCode& code) : code_(code) {
  for (int index = 0; index < 64; ++index) {
    const char codon[3] = {kBases[index >> 4], kBases[(index >> 2) & 3], kBases[index & 3]};
    by_index_[index] = look_up(code, std::string_view(codon, 3));
  }
}

std::string_view CodonTable::amino_acid(std::string_view codon) const {
  if (codon.size() == 3) {
    const int first = base_index(codon[0]);
    const int second = base_index(codon[1]);
    const int third = base_index(codon[2]);
    if ((first | second | third) < 4) return by_index_[(first << 4) | (second << 2) | third];
  }
  return look_up(code_, codon);
}

}  // namespace vesmar
