#pragma once

#include <cstddef>
#include <cstdint>

namespace vesmar {

// Every chromosome of the joined genome fills a whole number of 50-base
// blocks, so that chromosomes start at multiples of 50: the joiner pads each
// with "g", and the alignment results file has a position for every padding
// base.
inline constexpr std::uint64_t kGenomeBlock = 50;
inline constexpr char kPaddingBase = 'g';

// How many "g" follow a chromosome of `length` characters: 50 less the length
// modulo 50, between 1 and 50; a whole number of blocks, none included, gets
// a full block of 50, never 0.
constexpr std::size_t padding_length(std::uint64_t length) {
  return static_cast<std::size_t>(kGenomeBlock - length % kGenomeBlock);
}

}  // namespace vesmar
