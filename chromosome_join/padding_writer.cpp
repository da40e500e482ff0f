#include "chromosome_join/padding_writer.h"

namespace vesmar {

void write_padding(OutputFile& output, std::uint64_t length) { output.fill(kPaddingBase, padding_length(length)); }

}  // namespace vesmar
