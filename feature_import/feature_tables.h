#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "feature_import/gene_model.h"
#include "feature_import/genome_fasta.h"
#include "genome/chromosome_layout.h"
#include "formats/feature_locations/feature_location_files.h"

namespace vesmar {

// The feature location files' contents from the chosen transcripts:
//   exons     <transcript>.exon<N>, N from 1 in transcript order, with their
//             frames and their bases in transcript orientation;
//   introns   <transcript>.intron<N>, between exons N and N + 1;
//   intergenic  every stretch of a chromosome (its ends included) that no
//             chosen transcript covers, named between_<gene>_and_<gene>
//             (<chromosome>_start and <chromosome>_end at its ends);
// each region file in increasing genome order. A region covers genome
// positions start + 1 to end + 1: a feature at chromosome bases s to e has
// start offset + s - 1 and end offset + e - 1. `bases[i]` are the bases of
// layout chromosome i; the chromosomes named in `skipped` get no regions.
// The chromosome texts point into `layout`.
FeatureLocations feature_tables(const GeneModels& models, const std::vector<std::size_t>& chosen,
                                           const ChromosomeLayout& layout,
                                           const std::vector<const std::string*>& bases,
                                           const std::vector<std::string>& skipped);

}  // namespace vesmar
