#pragma once

#include "common/console.h"
#include "common/failure.h"

namespace vesmar {

// A whole Point_scan run: the banner, the five questions, the loading of the
// feature location files and the alignment results file, the report, and the
// closing "PAUSE" command. The report replaces an older one only once it is
// complete; a run that fails leaves it untouched and runs no "PAUSE".
Status run_point_scan(Console& console);

}  // namespace vesmar
