#include "bench/genome_layout.h"

namespace vesmar::bench {

std::array<Chromosome, kChromosomeCount> chromosomes_for(std::uint64_t seed) {
  constexpr std::array<std::string_view, kChromosomeCount> kNames = {"I", "II", "III", "IV", "V", "X"};
  constexpr std::array<std::int64_t, kChromosomeCount + 1> kOffsets = {
      0, 15'072'450, 30'351'800, 44'135'500, 61'629'300, 82'548'900, kGenomePositions};
  std::array<Chromosome, kChromosomeCount> chromosomes;
  RandomStream padding(seed, Stream::Padding);
  for (int i = 0; i < kChromosomeCount; ++i) {
    Chromosome& chromosome = chromosomes[i];
    chromosome.name = kNames[i];
    chromosome.offset = kOffsets[i];
    chromosome.padded_length = kOffsets[i + 1] - kOffsets[i];
    // The joiner pads a chromosome of L bases with 50 - (L mod 50) "g", from
    // 1 to 50; taking that many off the padded length gives such an L.
    chromosome.sequence_length = chromosome.padded_length - padding.uniform(1, 50);
  }
  return chromosomes;
}

const Chromosome& chromosome_at(const std::array<Chromosome, kChromosomeCount>& chromosomes,
                                std::int64_t position) {
  for (int i = kChromosomeCount - 1; i > 0; --i) {
    if (position > chromosomes[i].offset) return chromosomes[i];
  }
  return chromosomes[0];
}

Reference::Reference(std::uint64_t seed) : seed_(seed), chromosomes_(chromosomes_for(seed)) {}

char complement(char base) {
  switch (base) {
    case 'a': return 't';
    case 'c': return 'g';
    case 'g': return 'c';
    case 't': return 'a';
    case 'A': return 'T';
    case 'C': return 'G';
    case 'G': return 'C';
    case 'T': return 'A';
    default: return base;
  }
}

}  // namespace vesmar::bench
