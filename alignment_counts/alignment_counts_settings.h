#pragma once

#include <string>
#include <string_view>

#include "alignment_counts/genome_counting.h"

namespace vesmar {

// What an Alignment_counts run is asked to do, from its answers, and the
// paths they make.
struct AlignmentCountsSettings {
  std::string alignment_path;  // "Desktop/" + the alignment file's name
  std::string reference_path;  // "Desktop/" + the reference FASTA file's name
  std::string results_path;    // Alignment_results/ + the results file's name
  CountingRules rules;
  // The threads that decompress the alignment file beside the counting
  // (unless told otherwise, usable_cores()).
  int threads = 1;
};

AlignmentCountsSettings alignment_counts_settings(std::string_view alignment_name, std::string_view reference_name,
                                                  std::string_view results_name, CountingRules rules);

}  // namespace vesmar
