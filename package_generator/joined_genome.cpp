#include "package_generator/joined_genome.h"

namespace vesmar::generator {

std::vector<Chromosome> join_chromosomes(std::span<const ChromosomeBases> chromosomes) {
  std::vector<Chromosome> joined;
  std::int64_t offset = 0;
  for (const ChromosomeBases& chromosome : chromosomes) {
    joined.push_back({chromosome.name, offset, padded_length(chromosome.bases), chromosome.bases});
    offset += joined.back().padded_length;
  }
  return joined;
}

const Chromosome& chromosome_at(std::span<const Chromosome> chromosomes, std::int64_t position) {
  for (std::size_t i = chromosomes.size() - 1; i > 0; --i) {
    if (position > chromosomes[i].offset) return chromosomes[i];
  }
  return chromosomes[0];
}

}  // namespace vesmar::generator
