#include "alignment_counts/alignment_counts_settings.h"

#include "engine/parallel_tasks.h"
#include "genome/package_paths.h"

namespace vesmar {

AlignmentCountsSettings alignment_counts_settings(std::string_view alignment_name, std::string_view reference_name,
                                                  std::string_view results_name, CountingRules rules) {
  return {path_in(kDesktopFolder, alignment_name), path_in(kDesktopFolder, reference_name),
          path_in(kAlignmentResultsFolder, results_name), rules, usable_cores()};
}

}  // namespace vesmar
