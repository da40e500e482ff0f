#include "feature_import/feature_import_settings.h"

#include "genome/package_paths.h"
#include "feature_import/translation_tables.h"

namespace vesmar {

std::string not_a_translation_table(int number) {
  return "the genetic code " + std::to_string(number) + " is no NCBI translation table (there are " +
         std::string(translation_table_numbers()) + ")";
}

Result<FeatureImportSettings> feature_import_settings(std::string_view annotation,
                                                      const std::vector<std::string>& fasta_names,
                                                      bool all_transcripts, int genetic_code,
                                                      std::vector<std::string> skipped_sequences) {
  const std::optional<std::string_view> table = translation_table(genetic_code);
  if (!table) return Failure{not_a_translation_table(genetic_code)};
  FeatureImportSettings settings;
  settings.annotation_path = path_in(kDesktopFolder, annotation);
  for (const std::string& name : fasta_names) settings.fasta_paths.push_back(path_in(kDesktopFolder, name));
  settings.all_transcripts = all_transcripts;
  settings.genetic_code = genetic_code;
  settings.amino_acids = *table;
  settings.skipped_sequences = std::move(skipped_sequences);
  return settings;
}

std::vector<std::string> sequence_names(std::string_view line) {
  std::vector<std::string> names;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t\r", at);
    if (start == std::string_view::npos) break;
    const std::size_t end = line.find_first_of(" \t\r", start);
    names.emplace_back(line.substr(start, end - start));
    at = end == std::string_view::npos ? line.size() : end;
  }
  return names;
}

}  // namespace vesmar
