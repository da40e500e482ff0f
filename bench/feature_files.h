#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/gene_layout.h"
#include "bench/genome_layout.h"
#include "bench/region_records.h"
#include "common/failure.h"

namespace vesmar::bench {

struct FeatureSummary {
  std::int64_t genes = 0;
  std::int64_t exons = 0;
  std::int64_t introns = 0;
  std::int64_t intergenic_regions = 0;
};

// Writes into `folder` (the package's Feature_locations folder) the three
// region files cexons.txt, cintrons.txt and cintergenic.txt, and the exon
// data of the point scanner: exon_sequences.txt (each exon's bases in
// transcript orientation, as the reference has them), exon_frames.txt and
// genetic_code.txt.
Result<FeatureSummary> write_feature_files(const std::string& folder, const Reference& reference,
                                           const std::vector<Gene>& genes, std::int64_t positions);

// A region file: five lines per region (name, start, end, chromosome,
// strand "1" or "-1").
Status write_region_file(const std::string& path, const std::vector<RegionRecord>& regions);

// An exon's bases in transcript orientation: genome order on the forward
// strand, the reverse complement on the reverse strand.
std::string exon_sequence(const Exon& exon, bool forward, const Reference& reference);

// The standard genetic code: the 64 codons in lowercase, each followed by
// its amino acid's three-letter code ("Ter" for a stop).
std::string genetic_code_text();

}  // namespace vesmar::bench
