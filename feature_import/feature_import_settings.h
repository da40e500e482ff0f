#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/failure.h"

namespace vesmar {

// What a Feature_import run is asked to do: the annotation and FASTA files
// on the Desktop, whether every coding transcript is kept, the translation
// table, and the annotation's sequences to leave out.
struct FeatureImportSettings {
  std::string annotation_path;           // Desktop/ + name
  std::vector<std::string> fasta_paths;  // Desktop/ + name, in genome order
  bool all_transcripts = false;
  int genetic_code = 1;
  std::string_view amino_acids;          // the table's 64 one-letter codes
  std::vector<std::string> skipped_sequences;
};

// The settings from the answers; fails (naming the number) for a genetic
// code that is no NCBI translation table.
Result<FeatureImportSettings> feature_import_settings(std::string_view annotation,
                                                      const std::vector<std::string>& fasta_names,
                                                      bool all_transcripts, int genetic_code,
                                                      std::vector<std::string> skipped_sequences);

// Why `number` is no translation table, for the dialogue and the options.
std::string not_a_translation_table(int number);

// The sequence names of a line, separated by blanks or tabs.
std::vector<std::string> sequence_names(std::string_view line);

}  // namespace vesmar
