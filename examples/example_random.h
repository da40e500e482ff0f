#pragma once

#include <cstdint>

namespace vesmar::example {

// The example's random numbers: SplitMix64 from a fixed seed, so that the
// example is the same on every machine and with every standard library.
class ExampleRandom {
 public:
  explicit ExampleRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  // A number from 0 to n - 1.
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  bool percent(int chance) { return below(100) < chance; }

 private:
  std::uint64_t state_;
};

}  // namespace vesmar::example
