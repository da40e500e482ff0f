#include "bench/genome_layout.h"

#include "genome/chromosome_offsets.h"

namespace vesmar::bench {

std::vector<Chromosome> chromosomes_for(std::uint64_t seed) {
  RandomStream padding = stream_for(seed, Stream::Padding);
  std::vector<generator::ChromosomeBases> chromosomes;
  for (std::size_t i = 0; i < kGenomeChromosomes.size(); ++i) {
    const std::int64_t start = kGenomeChromosomes[i].offset;
    const std::int64_t end = i + 1 < kGenomeChromosomes.size() ? kGenomeChromosomes[i + 1].offset : kGenomePositions;
    // Taking 1 to 50 bases off a multiple of 50 leaves a length whose
    // padding makes up that multiple again.
    const std::int64_t padding_bases = padding.uniform(1, static_cast<std::int64_t>(kGenomeBlock));
    chromosomes.push_back({kGenomeChromosomes[i].name, end - start - padding_bases});
  }
  return generator::join_chromosomes(chromosomes);
}

Reference::Reference(std::uint64_t seed) : seed_(seed), chromosomes_(chromosomes_for(seed)) {}

std::string Reference::uppercase_bases(const Chromosome& chromosome, std::int64_t count) const {
  std::string bases(static_cast<std::size_t>(count), ' ');
  for (std::int64_t i = 0; i < count; ++i) {
    bases[static_cast<std::size_t>(i)] = static_cast<char>(own_base(chromosome.first_position() + i) - 'a' + 'A');
  }
  return bases;
}

}  // namespace vesmar::bench
