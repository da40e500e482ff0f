#pragma once

#include <cstddef>
#include <cstdint>

#include "common/output_file.h"

namespace vesmar {

// Every chromosome of the genome sequence file fills a whole number of
// 50-character blocks, so that chromosomes start at multiples of 50.
inline constexpr std::uint64_t kGenomeBlock = 50;

// How many "g" follow a chromosome of `length` characters: 50 less the length
// modulo 50, between 1 and 50; a whole number of blocks, none included, gets
// a full block of 50, never 0.
std::size_t padding_length(std::uint64_t length);

// Writes that run of "g" (without a line feed).
void write_padding(OutputFile& output, std::uint64_t length);

}  // namespace vesmar
