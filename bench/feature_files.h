#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/gene_layout.h"
#include "bench/genome_layout.h"
#include "engine/failure.h"

namespace vesmar::bench {

struct FeatureSummary {
  std::int64_t genes = 0;
  std::int64_t exons = 0;
  std::int64_t introns = 0;
  std::int64_t intergenic_regions = 0;
};

// Writes into the package's Feature_locations folder under `home` the three
// region files cexons.txt, cintrons.txt and cintergenic.txt, and the exon
// data of the point scanner: exon_sequences.txt (each exon's bases in
// transcript orientation, as the reference has them), exon_frames.txt and
// genetic_code.txt (stop codons named "Ter").
Result<FeatureSummary> write_feature_files(const std::string& home, const Reference& reference,
                                           const std::vector<Gene>& genes, std::int64_t positions);

// An exon's bases in transcript orientation: genome order on the forward
// strand, the reverse complement on the reverse strand.
std::string exon_sequence(const Exon& exon, bool forward, const Reference& reference);

}  // namespace vesmar::bench
