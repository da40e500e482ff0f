#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/seeded_streams.h"
#include "package_generator/joined_genome.h"

namespace vesmar::bench {

using generator::Chromosome;
using generator::chromosome_at;

// The synthetic reference genome: the six chromosomes joined in the order I,
// II, III, IV, V, X, with lengths that make their padding end exactly where
// the next chromosome starts at the scanners' offset.
inline constexpr std::int64_t kGenomePositions = 100'300'000;

// The six chromosomes for a seed. Only the padding (1 to 50 "g", as the
// joiner writes it) depends on the seed.
std::vector<Chromosome> chromosomes_for(std::uint64_t seed);

// The reference base at each genome position, in lowercase: random a, c, g, t
// on a chromosome's own bases, "g" on its padding.
class Reference {
 public:
  explicit Reference(std::uint64_t seed);

  char base(std::int64_t position) const {
    if (position < 1) return kPaddingBase;
    const Chromosome& chromosome = chromosome_at(chromosomes_, position);
    if (position > chromosome.last_position()) return kPaddingBase;
    return own_base(position);
  }
  const std::vector<Chromosome>& chromosomes() const { return chromosomes_; }
  // The first `count` own bases of `chromosome`, in upper case: the
  // chromosome files' bases, made without looking up each position's
  // chromosome.
  std::string uppercase_bases(const Chromosome& chromosome, std::int64_t count) const;

 private:
  // 32 bases come from each random value, two bits apiece.
  char own_base(std::int64_t position) const {
    const std::uint64_t bits = keyed_random(seed_, Stream::Reference, static_cast<std::uint64_t>(position) >> 5);
    return "acgt"[(bits >> (2 * (position & 31))) & 3];
  }

  std::uint64_t seed_;
  std::vector<Chromosome> chromosomes_;
};

}  // namespace vesmar::bench
