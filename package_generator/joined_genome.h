#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "genome/genome_padding.h"

namespace vesmar::generator {

// The genome as the aligner and the scanners number it: the chromosomes
// joined one after another, in the order I, II, III, IV, V, X, each padded
// with "g" to a multiple of 50 bases and always with at least one, as
// Chromosome_join writes the genome sequence file. Genome positions are
// 1-based along the joined genome, padding included.

// The "g" that follow a chromosome of `bases` bases: 1 to 50.
constexpr std::int64_t padding_after(std::int64_t bases) {
  return static_cast<std::int64_t>(padding_length(static_cast<std::uint64_t>(bases)));
}
constexpr std::int64_t padded_length(std::int64_t bases) { return bases + padding_after(bases); }

// A chromosome's place in the joined genome.
struct Chromosome {
  std::string_view name;
  std::int64_t offset = 0;           // bases of the joined genome before it
  std::int64_t padded_length = 0;    // its share of the joined genome, a multiple of 50
  std::int64_t sequence_length = 0;  // its own bases; the rest is padding

  // Genome position of its first and last own base.
  std::int64_t first_position() const { return offset + 1; }
  std::int64_t last_position() const { return offset + sequence_length; }
};

// A chromosome to be joined: its name and the number of its own bases.
struct ChromosomeBases {
  std::string_view name;
  std::int64_t bases = 0;
};

// The chromosomes joined in the order given, each padded.
std::vector<Chromosome> join_chromosomes(std::span<const ChromosomeBases> chromosomes);

// The chromosome that holds a genome position (its own bases or its
// padding); the last one for positions beyond the genome, the first for
// positions before it.
const Chromosome& chromosome_at(std::span<const Chromosome> chromosomes, std::int64_t position);

}  // namespace vesmar::generator
