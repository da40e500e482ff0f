#pragma once

#include <cstdint>

#include "genome/genome_padding.h"
#include "engine/output_file.h"

namespace vesmar {

// Writes the run of "g" that pads a chromosome of `length` characters
// (without a line feed).
void write_padding(OutputFile& output, std::uint64_t length);

}  // namespace vesmar
