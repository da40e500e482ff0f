#include "genome/chromosome_offsets.h"

namespace vesmar {

std::optional<std::int32_t> chromosome_offset(std::string_view chromosome) {
  for (const GenomeChromosome& entry : kGenomeChromosomes) {
    if (entry.name == chromosome) return entry.offset;
  }
  return std::nullopt;
}

std::optional<int> chromosome_index(std::string_view chromosome) {
  for (std::size_t i = 0; i < kChromosomeNames.size(); ++i) {
    if (kChromosomeNames[i] == chromosome) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace vesmar
