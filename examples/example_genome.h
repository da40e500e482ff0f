#pragma once

#include <map>
#include <string>
#include <vector>

#include "examples/example_random.h"

namespace vesmar::example {

// A stretch of genome positions, 1-based, both ends included.
struct Span {
  int first = 0;
  int last = 0;
  int length() const { return last - first + 1; }
  bool contains(int position) const { return first <= position && position <= last; }
};

// A region as the feature location files list it.
struct NamedRegion {
  std::string name;
  Span span;
  bool reverse = false;
};

struct ExonFrameEntry {
  std::string name;
  int five_prime_skip = 0;
  int three_prime_skip = 0;
  int start_frame = 0;
};

// The example's reference: chromosome I, short, with two genes (one on each
// strand) and the feature location tables that describe them.
struct ReferenceGenome {
  std::string chromosome;                                           // lowercase; index 0 is genome position 1
  std::vector<NamedRegion> exons, introns, intergenic;              // genome order
  std::vector<std::pair<std::string, std::string>> exon_sequences;  // transcript orientation
  std::vector<ExonFrameEntry> exon_frames;

  char base(int position) const { return chromosome[static_cast<std::size_t>(position - 1)]; }
};

inline constexpr int kChromosomeLength = 3000;
// The genome sequence file pads the chromosome to a multiple of 50 with "g",
// and always with at least one: 3000 bases get 50 more.
inline constexpr int kGenomeLength = kChromosomeLength + 50;

// Reference bases that the planted changes need, set where no gene decides
// them (position, base).
using FixedBases = std::map<int, char>;

ReferenceGenome build_reference(ExampleRandom& random, const FixedBases& fixed);

char complement(char base);
std::string reverse_complement(const std::string& bases);

}  // namespace vesmar::example
