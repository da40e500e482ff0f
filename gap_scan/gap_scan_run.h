#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "gap_scan/gap_scan_settings.h"

namespace vesmar {

inline constexpr std::string_view kGapRegionScan = "Gap_region_scan";

// A Gap_region_scan run from its settings: loads the region file, finds the
// gaps in the alignment results file (as the text it decompresses to, when
// it is gzip compressed) in one pass and writes the report, with the
// progress lines on the console, "Done" last. A failure ends the run where
// it happens, before "Done", and leaves any older report as it was.
Result<RunOutcome> run_gap_scan(const GapScanSettings& settings, Console& console);

}  // namespace vesmar
