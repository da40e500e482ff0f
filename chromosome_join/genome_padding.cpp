#include "chromosome_join/genome_padding.h"

namespace vesmar {

void write_padding(OutputFile& output, std::uint64_t length) { output.fill(kPaddingBase, padding_length(length)); }

}  // namespace vesmar
