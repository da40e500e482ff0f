#include "chromosome_join/genome_padding.h"

namespace vesmar {

std::size_t padding_length(std::uint64_t length) {
  return static_cast<std::size_t>(kGenomeBlock - length % kGenomeBlock);
}

void write_padding(OutputFile& output, std::uint64_t length) { output.fill('g', padding_length(length)); }

}  // namespace vesmar
