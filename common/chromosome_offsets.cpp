#include "common/chromosome_offsets.h"

namespace vesmar {

std::optional<std::int32_t> chromosome_offset(std::string_view chromosome) {
  for (const GenomeChromosome& entry : kGenomeChromosomes) {
    if (entry.name == chromosome) return entry.offset;
  }
  return std::nullopt;
}

}  // namespace vesmar
