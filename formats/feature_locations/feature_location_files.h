#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "formats/feature_locations/exon_table_writer.h"
#include "formats/feature_locations/region_file_writer.h"

namespace vesmar {

// What the six feature location files of a package hold, each list in the
// order its file gives it.
struct FeatureLocations {
  std::vector<RegionRecord> exons;       // cexons.txt
  std::vector<RegionRecord> introns;     // cintrons.txt
  std::vector<RegionRecord> intergenic;  // cintergenic.txt
  std::vector<ExonSequence> exon_sequences;
  std::vector<ExonFrame> exon_frames;
  std::string_view stop_name;  // what genetic_code.txt calls a stop codon
};

// Writes the six files into `folder` (a Feature_locations folder, its path
// ending in "/"), each replacing an older one only once it is whole.
Status write_feature_locations(const std::string& folder, const FeatureLocations& features);

}  // namespace vesmar
