#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"
#include "formats/feature_locations/exon_table_writer.h"
#include "formats/feature_locations/region_file_writer.h"
#include "engine/output_file.h"
#include "formats/feature_locations/genetic_code_writer.h"

namespace vesmar {

// What the six feature location files of a package hold, each list in the
// order its file gives it.
struct FeatureLocations {
  std::vector<RegionRecord> exons;       // cexons.txt
  std::vector<RegionRecord> introns;     // cintrons.txt
  std::vector<RegionRecord> intergenic;  // cintergenic.txt
  std::vector<ExonSequence> exon_sequences;
  std::vector<NamedExonFrame> exon_frames;
  std::string_view stop_name;  // what genetic_code.txt calls a stop codon
  std::string_view amino_acids = kStandardAminoAcids;  // the translation table (genetic_code_file.h)
};

// The six files in `folder` (a Feature_locations folder, its path ending in
// "/"), filled but not yet in place, for a caller that puts them in place
// together with files of its own (commit_together): the older files stay
// until then.
Result<std::vector<std::unique_ptr<OutputFile>>> fill_feature_locations(const std::string& folder,
                                                                        const FeatureLocations& features);

// Writes the six files there, replacing older ones together: either all six
// or none.
Status write_feature_locations(const std::string& folder, const FeatureLocations& features);

}  // namespace vesmar
