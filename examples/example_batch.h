#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"
#include "examples/example_genome.h"

namespace vesmar::example {

// The example's batch for the ranking: beside Anna, a second mutant strain
// and the parent both descend from, sequenced as a lab sequences today, with
// reads of 100 bases in FASTQ that a short-read aligner aligns to chromosome
// I. Their changes are homozygous substitutions; the parent's are in the
// mutant too (the background a mutant screen inherits), and the mutant has
// changes of its own of the kind EMS makes (g to a, c to t).

struct BatchChange {
  int position = 0;  // on chromosome I
  char reference = 0;
  char changed = 0;
  std::string what;  // for the key
};

struct BatchStrain {
  std::string name;
  bool paired = false;  // read in pairs (NAME_R1.fastq, NAME_R2.fastq), or singly (NAME.fastq)
  bool background = false;
  std::vector<BatchChange> changes;
};

// The batch's strains and their changes, drawn from the reference's own
// bases.
std::vector<BatchStrain> batch_strains(const ReferenceGenome& reference);

// Writes each strain's FASTQ files on the Desktop under `home`, and the key
// to their changes, batch_changes.txt. Fails naming a file that cannot be
// written.
Status write_batch(const std::string& home, const ReferenceGenome& reference);

}  // namespace vesmar::example
