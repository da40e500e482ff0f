#pragma once

#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "common/failure.h"

namespace vesmar::bench {

// What was written, for the manifest and for checking the benchmark's
// expectations (the stress setting's hit count, the file's size).
struct AlignmentFileSummary {
  std::int64_t positions = 0;
  std::int64_t lines = 0;
  std::int64_t bytes = 0;
  std::int64_t records_with_windows = 0;
  std::int64_t uncovered_positions = 0;
  std::int64_t usual_hits = 0;  // records that pass the hit test with 3 and 2
};

// Writes the alignment results file for genome positions 1 to `positions`:
// per position the counts wt_reads and mut_reads on lines of their own and,
// when mut_reads is not 0, the 25-base read and reference windows.
Result<AlignmentFileSummary> write_alignment_file(const std::string& path, const Reference& reference,
                                                  std::uint64_t seed, std::int64_t positions,
                                                  bool stress);

}  // namespace vesmar::bench
