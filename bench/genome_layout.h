#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "bench/random_stream.h"

namespace vesmar::bench {

// The synthetic reference genome: six chromosomes joined in the order I, II,
// III, IV, V, X, each padded with "g" to a multiple of 50 bases, so that they
// start at the offsets built into the scanners. Genome positions are 1-based
// along the joined genome, as in the alignment results file.
struct Chromosome {
  std::string_view name;
  std::int64_t offset = 0;           // bases of the joined genome before it
  std::int64_t padded_length = 0;    // its share of the joined genome, a multiple of 50
  std::int64_t sequence_length = 0;  // its own bases; the rest is padding

  // Genome position of its first and last own base.
  std::int64_t first_position() const { return offset + 1; }
  std::int64_t last_position() const { return offset + sequence_length; }
};

inline constexpr std::int64_t kGenomePositions = 100'300'000;
inline constexpr int kChromosomeCount = 6;

// The six chromosomes for a seed. Only the padding (1 to 50 "g", as the
// joiner writes it) depends on the seed.
std::array<Chromosome, kChromosomeCount> chromosomes_for(std::uint64_t seed);

// The chromosome that holds a genome position (its own bases or its padding);
// the last one for positions beyond the genome.
const Chromosome& chromosome_at(const std::array<Chromosome, kChromosomeCount>& chromosomes,
                                std::int64_t position);

// The reference base at each genome position, in lowercase: random a, c, g, t
// on a chromosome's own bases, "g" on its padding.
class Reference {
 public:
  explicit Reference(std::uint64_t seed);

  char base(std::int64_t position) const {
    if (position < 1) return 'g';
    const Chromosome& chromosome = chromosome_at(chromosomes_, position);
    if (position > chromosome.last_position()) return 'g';
    return own_base(position);
  }
  const std::array<Chromosome, kChromosomeCount>& chromosomes() const { return chromosomes_; }

 private:
  // 32 bases come from each random value, two bits apiece.
  char own_base(std::int64_t position) const {
    const std::uint64_t bits = keyed_random(seed_, Stream::Reference, static_cast<std::uint64_t>(position) >> 5);
    return "acgt"[(bits >> (2 * (position & 31))) & 3];
  }

  std::uint64_t seed_;
  std::array<Chromosome, kChromosomeCount> chromosomes_;
};

// The base on the other strand; other characters stay as they are.
char complement(char base);

}  // namespace vesmar::bench
