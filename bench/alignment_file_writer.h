#pragma once

#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "engine/failure.h"
#include "package_generator/alignment_file.h"

namespace vesmar::bench {

// What was written, for the manifest and for checking the benchmark's
// expectations (the stress setting's hit count, the file's size).
struct WrittenAlignment {
  generator::AlignmentFileSummary file;
  std::int64_t usual_hits = 0;  // records that pass the hit test with 3 and 2
};

// Writes the alignment results file for genome positions 1 to `positions`,
// as AlignmentSource tells them.
Result<WrittenAlignment> write_alignment_file(const std::string& path, const Reference& reference, std::uint64_t seed,
                                              std::int64_t positions, bool stress);

}  // namespace vesmar::bench
