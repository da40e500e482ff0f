#pragma once

#include <cstdint>

namespace vesmar::generator {

// The generators draw every random choice from a fixed seed, so that the same
// seed gives the same files, byte for byte, on every machine and with every
// standard library: SplitMix64, written out here rather than taken from
// <random>, whose distributions differ between libraries.

inline constexpr std::uint64_t kGoldenGamma = 0x9e3779b97f4a7c15ULL;

// SplitMix64's output for the state before a step: a well-mixed 64-bit
// value for any input.
inline std::uint64_t mix64(std::uint64_t x) {
  x += kGoldenGamma;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// A number in [0, 1) from the top 53 bits of a random value.
inline double fraction_of(std::uint64_t value) { return static_cast<double>(value >> 11) * 0x1.0p-53; }

// The values of SplitMix64 from a seed, one after another.
class RandomStream {
 public:
  explicit RandomStream(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    const std::uint64_t value = mix64(state_);
    state_ += kGoldenGamma;
    return value;
  }
  // A whole number from `low` to `high`, both included (low <= high).
  std::int64_t uniform(std::int64_t low, std::int64_t high) {
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<std::int64_t>(next() % span);
  }
  // A whole number from 0 to n - 1 (n > 0).
  int below(int n) { return static_cast<int>(uniform(0, n - 1)); }
  // True `chance` times in a hundred.
  bool percent(int chance) { return below(100) < chance; }
  double fraction() { return fraction_of(next()); }
  bool chance(double probability) { return fraction() < probability; }

 private:
  std::uint64_t state_;
};

}  // namespace vesmar::generator
