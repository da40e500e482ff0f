#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"
#include "examples/example_genome.h"

namespace vesmar::example {

// A base changed in the sequenced strain, at a reference position.
struct Substitution {
  int position = 0;
  char reference = 0;
  char changed = 0;
  bool heterozygous = false;  // on one of the two chromosome copies only
  std::string what;           // for the key to the example
};

// Reference positions missing from the sequenced strain.
struct Deletion {
  Span span;
  std::string what;
};

struct PlantedChanges {
  std::vector<Substitution> substitutions;
  std::vector<Deletion> deletions;
};

// The changes planted in the example, in genome order.
const PlantedChanges& planted_changes();

// The reference bases the planted substitutions change.
FixedBases planted_reference_bases();

// One read as the sequencer wrote it, and where the aligner placed it.
struct SequencedRead {
  std::string bases;         // 36 bases in read orientation, uppercase, N for no base called
  bool reverse = false;      // read from the strand opposite the reference
  bool aligned = false;      // whether its first 32 bases align without a gap
  int first_position = 0;    // the genome position of its aligned bases' lower end
  std::string genome_bases;  // its 32 aligned bases in genome orientation, lowercase
};

inline constexpr int kReadLength = 36;
inline constexpr int kAlignedLength = 32;  // Reads_importer keeps 32 bases of a read

// The reads of the example run: both strands of the sequenced strain, about
// 45 reads deep, a stretch read poorly, a few sequencing errors and bases not
// called. Reads that span a deletion do not align.
Result<std::vector<SequencedRead>> sequence_the_strain(const ReferenceGenome& reference,
                                                       RandomStream& random);

// One genome position of the alignment results file.
struct PositionRecord {
  int wt_reads = 0;
  int mut_reads = 0;
  std::string read_window;       // only when mut_reads is not 0
  std::string reference_window;  // the same columns of the reference
};

// What the aligner writes for the example: a record for every position of
// the genome sequence file, the padding included. Windows are 25 bases wide
// with the changed base in column 12, or in column 0 when no read that shows
// the change reaches 12 bases before it (then the windows' first bases
// differ).
Result<std::vector<PositionRecord>> align(const ReferenceGenome& reference,
                                          const std::vector<SequencedRead>& reads);

}  // namespace vesmar::example
