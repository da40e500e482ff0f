#pragma once

#include <string_view>

namespace vesmar {

// The version every program of the suite says it is (--version).
inline constexpr std::string_view kSuiteVersion = "1.0.0";

// The program that writes the alignment results file from another
// aligner's BAM, CRAM or SAM file.
inline constexpr std::string_view kAlignmentCounts = "Alignment_counts";

}  // namespace vesmar
