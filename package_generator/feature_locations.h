#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "package_generator/exon_tables.h"
#include "package_generator/region_file.h"

namespace vesmar::generator {

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

// Writes the six files into Desktop/vesmar/Feature_locations/ under `home`.
Status write_feature_locations(const std::string& home, const FeatureLocations& features);

}  // namespace vesmar::generator
