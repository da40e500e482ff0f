#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/failure.h"
#include "formats/feature_locations/feature_location_files.h"
#include "package_generator/joined_genome.h"

namespace vesmar::generator {

// A batch of strains as a mapping experiment gives it: a parent and mutants
// of it, each mutant with one planted cause and many changes of its own,
// homozygous only near its cause (the stretch a backcross keeps linked to
// it), heterozygous elsewhere; and the parent's own differences from the
// reference, which every strain carries. The genome is small enough for a
// test: chromosome I alone, laid out as the built-in layout places it, or up
// to six short chromosomes (I, II, III, IV, V, X) joined as Chromosome_join
// joins them, with their layout file; genes of two exons on both strands.

// A change in one strain: at a genome position, the read's base.
struct PlantedChange {
  std::int64_t position = 0;
  char alt = 'a';
  std::int32_t wt_reads = 0;
  std::int32_t mut_reads = 0;
};

// Genome positions first to last that no read of the strain covers.
struct PlantedStretch {
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// What one strain's alignment results file shows beyond plain coverage.
struct StrainPlan {
  std::string name;
  bool parent = false;
  std::vector<PlantedChange> changes;  // in genome order
  std::vector<PlantedStretch> stretches;
};

// The cause planted in a mutant: a change, or a stretch without reads.
struct PlantedCause {
  std::string strain;
  std::int64_t first = 0;  // genome positions
  std::int64_t last = 0;
  std::string_view chromosome;
  std::int64_t chromosome_first = 0;  // the same on the chromosome, from 1
  std::int64_t chromosome_last = 0;
  bool uncovered = false;
  std::string gene;
};

struct MutantBatchShape {
  // The chromosomes' own bases, from I on. More than one chromosome: the
  // batch has its layout file, Feature_locations/chromosomes.txt.
  std::vector<std::int64_t> chromosome_bases = {60'000};
  int own_changes = 100;          // each mutant's, besides its cause
  int background_changes = 40;    // the parent's, which every strain carries
  std::int64_t linked_reach = 5'000;  // own changes this near the cause are homozygous
  int single_read_errors = 30;    // each strain's changes of one mutant read
};

struct MutantBatch {
  std::string genome;  // chromosome I's bases and its padding, lowercase
  FeatureLocations features;
  std::vector<StrainPlan> strains;  // the parent first, then the mutants
  std::vector<PlantedCause> causes;  // a mutant's cause, in the mutants' order
  std::vector<std::int64_t> background_positions;  // genome positions
  std::vector<Chromosome> chromosomes;
};

// The batch "parent", "m1" to "m4": m1 and m2 with stop codons gained in the
// two exons of one gene (two alleles), m3 a missense change in another gene,
// m4 an uncovered stretch over the coding bases of a third. Every cause is
// an EMS change (G to A) or a deletion. Genes stand every 5,600 bases from
// 2,000 on each chromosome; the batch needs nine of them. The same seed
// gives the same batch.
MutantBatch make_mutant_batch(const MutantBatchShape& shape, std::uint64_t seed);

// Writes the package under `home`: the feature location files and, in
// Alignment_results/, each strain's file NAME.txt.
Status write_mutant_batch(const std::string& home, const MutantBatch& batch);

}  // namespace vesmar::generator
