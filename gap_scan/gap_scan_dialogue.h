#pragma once

#include <string>
#include <string_view>

#include "common/console.h"
#include "common/failure.h"

namespace vesmar {

inline constexpr std::string_view kGapScanProgram = "Gap_region_scan";

// The answers of one run and the paths built from them.
struct GapScanSettings {
  std::string region_file_name;  // "cexons.txt", "cintrons.txt" or "cintergenic.txt"
  std::string first_name;
  std::string report_path;       // Deletion_results/ + first name + "_del_" + region file name
  std::string alignment_path;    // Alignment_results/ + the answered name; a readable file
};

// The banner and help text shown after the screen is cleared.
std::string_view gap_scan_banner();

// Asks the three questions in turn: the region (until "e", "i" or "n"), the
// first name, and the alignment results file (until it names a file that can
// be read; a folder cannot). Wrong answers bring the question back without a
// message. Fails, naming the question, when the input ends before an answer.
Result<GapScanSettings> ask_gap_scan_settings(Console& console);

}  // namespace vesmar
