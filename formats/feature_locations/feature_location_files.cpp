#include "formats/feature_locations/feature_location_files.h"

#include "formats/feature_locations/genetic_code_writer.h"
#include "genome/region_choice.h"

namespace vesmar {

Result<std::vector<std::unique_ptr<OutputFile>>> fill_feature_locations(const std::string& folder,
                                                                        const FeatureLocations& features) {
  std::vector<std::unique_ptr<OutputFile>> files;
  const auto add = [&](std::string_view name, auto fill) -> Status {
    Result<std::unique_ptr<OutputFile>> created =
        OutputFile::create(folder + std::string(name), OutputFile::Mode::Replace);
    if (!created.ok()) return created.failure();
    fill(*created.value());
    files.push_back(std::move(created.value()));
    return {};
  };
  const auto regions = [](const std::vector<RegionRecord>& list) {
    return [&list](OutputFile& file) { put_region_file(file, list); };
  };
  if (Status s = add(region_file_name(RegionChoice::exons), regions(features.exons)); !s.ok()) return s.failure();
  if (Status s = add(region_file_name(RegionChoice::introns), regions(features.introns)); !s.ok()) return s.failure();
  if (Status s = add(region_file_name(RegionChoice::intergenic), regions(features.intergenic)); !s.ok()) return s.failure();
  if (Status s = add("exon_sequences.txt", [&](OutputFile& file) { put_exon_sequences(file, features.exon_sequences); });
      !s.ok()) {
    return s.failure();
  }
  if (Status s = add("exon_frames.txt", [&](OutputFile& file) { put_exon_frames(file, features.exon_frames); });
      !s.ok()) {
    return s.failure();
  }
  if (Status s = add("genetic_code.txt",
                     [&](OutputFile& file) { file.write(genetic_code_text(features.stop_name, features.amino_acids)); });
      !s.ok()) {
    return s.failure();
  }
  return files;
}

Status write_feature_locations(const std::string& folder, const FeatureLocations& features) {
  Result<std::vector<std::unique_ptr<OutputFile>>> files = fill_feature_locations(folder, features);
  if (!files.ok()) return files.failure();
  std::vector<OutputFile*> together;
  for (const std::unique_ptr<OutputFile>& file : files.value()) together.push_back(file.get());
  return commit_together(together);
}

}  // namespace vesmar
