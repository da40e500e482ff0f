#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "point_scan/point_scan_settings.h"

namespace vesmar {

inline constexpr std::string_view kPointScan = "Point_scan";

// A Point_scan run from its settings: loads the feature location files (the
// exon tables in exon mode, then the region file) and reads the alignment
// results file once (as the text it decompresses to, when it is gzip
// compressed), writing the report as the hits come, with the progress lines
// on the console. The report replaces an older one only once it is
// complete; a run that fails leaves it untouched.
Result<RunOutcome> run_point_scan(const PointScanSettings& settings, Console& console);

}  // namespace vesmar
