#pragma once

#include "alignment_counts/alignment_counts_settings.h"
#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"

#include <string_view>

namespace vesmar {

inline constexpr std::string_view kAlignmentCounts = "Alignment_counts";

// An Alignment_counts run from its settings: checks the alignment file's
// header against the genome and the reference FASTA file, then counts the
// reads at every genome position in one pass over the alignment file and
// writes the alignment results file, which replaces an older one only once
// it is complete. Progress lines go to the console, "Done" last; warnings
// name what the file holds that the results file leaves out. A failure ends
// the run where it happens and leaves an older results file as it was.
Result<RunOutcome> run_alignment_counts(const AlignmentCountsSettings& settings, Console& console);

}  // namespace vesmar
