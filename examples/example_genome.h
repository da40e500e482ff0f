#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "formats/feature_locations/exon_table_writer.h"
#include "formats/feature_locations/transcript_regions.h"
#include "package_generator/joined_genome.h"
#include "package_generator/random_stream.h"

namespace vesmar::example {

using generator::RandomStream;

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

inline constexpr std::string_view kChromosomeName = "I";
inline constexpr int kChromosomeLength = 3000;
// The genome sequence file pads the chromosome: 3000 bases get 50 "g" more.
inline constexpr int kGenomeLength = static_cast<int>(generator::padded_length(kChromosomeLength));

// The example's reference: chromosome I, short, with two genes (one on each
// strand) and the feature location tables that describe them.
struct ReferenceGenome {
  std::string chromosome;                               // lowercase; index 0 is genome position 1
  std::vector<NamedRegion> exons;                       // every gene's, for the bases they decide
  std::vector<TranscriptExons> transcripts;             // one per gene, its exons in region coordinates
  std::vector<ExonSequence> exon_sequences;  // transcript orientation
  std::vector<NamedExonFrame> exon_frames;

  char base(int position) const { return chromosome[static_cast<std::size_t>(position - 1)]; }
  // The base at a position of the genome sequence file, the padding included.
  char genome_base(int position) const {
    return position <= kChromosomeLength ? base(position) : kPaddingBase;
  }
};

// Reference bases that the planted changes need, set where no gene decides
// them (position, base).
using FixedBases = std::map<int, char>;

// Fails when the fixed bases disagree with what a gene needs.
Result<ReferenceGenome> build_reference(RandomStream& random, const FixedBases& fixed);

}  // namespace vesmar::example
