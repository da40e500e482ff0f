#pragma once

#include <cstdint>

namespace vesmar::bench {

// The generator draws every random choice from the seed alone, so that the
// same seed always gives the same files, byte for byte, on any machine.

// The splitmix64 finaliser: a well-mixed 64-bit value for any input.
inline std::uint64_t mix64(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

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
};

// A value that depends only on (seed, stream, index): random access into a
// stream, for choices made per genome position.
inline std::uint64_t keyed_random(std::uint64_t seed, Stream stream, std::uint64_t index) {
  return mix64(mix64(seed * 0x100000001b3ULL + static_cast<std::uint64_t>(stream)) ^ mix64(index));
}

// A sequence of random values, for choices made one after another (the next
// gene, the next gap).
class RandomStream {
 public:
  RandomStream(std::uint64_t seed, Stream stream, std::uint64_t part = 0)
      : state_(keyed_random(seed, stream, part)) {}

  std::uint64_t next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix64(state_);
  }
  // A whole number from `low` to `high`, both included (low <= high).
  std::int64_t uniform(std::int64_t low, std::int64_t high) {
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<std::int64_t>(next() % span);
  }
  // A number in [0, 1).
  double fraction() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  bool chance(double probability) { return fraction() < probability; }

 private:
  std::uint64_t state_;
};

// The same draws for one keyed value, when a position needs several.
inline double fraction_of(std::uint64_t value) { return static_cast<double>(value >> 11) * 0x1.0p-53; }

}  // namespace vesmar::bench
