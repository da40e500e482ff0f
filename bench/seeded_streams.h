#pragma once

#include <cstdint>

#include "package_generator/random_stream.h"

namespace vesmar::bench {

using generator::fraction_of;
using generator::mix64;
using generator::RandomStream;

// Separate kinds of choices (reference bases, coverage, genes, ...) draw from
// separate streams of the same seed, so that changing how one kind is drawn
// leaves the others as they were.
enum class Stream : std::uint64_t {
  Reference = 1,
  Coverage,
  Gaps,
  Snps,
  Stress,
  Windows,
  Genes,
  Padding,
  Reads,
  StressRegions,
  AlignedReads,
};

// A value that depends only on (seed, stream, index): random access into a
// stream, for choices made per genome position.
inline std::uint64_t keyed_random(std::uint64_t seed, Stream stream, std::uint64_t index) {
  return mix64(mix64(seed * 0x100000001b3ULL + static_cast<std::uint64_t>(stream)) ^ mix64(index));
}

// A sequence of random values, for choices made one after another (the next
// gene, the next gap). `part` chooses an independent sequence of the same
// kind. The stream passes over its first value, as the benchmark's streams
// always have, so that a seed keeps giving the files it gave.
inline RandomStream stream_for(std::uint64_t seed, Stream stream, std::uint64_t part = 0) {
  RandomStream random(keyed_random(seed, stream, part));
  random.next();
  return random;
}

}  // namespace vesmar::bench
