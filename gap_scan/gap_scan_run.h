#pragma once

#include "common/console.h"
#include "common/failure.h"

namespace vesmar {

// One whole run of the gap scanner: clears the screen, shows the banner, asks
// the questions, loads the region file, finds the gaps in the alignment
// results file in one pass, writes the report, says "Done" and runs "PAUSE".
// A failure ends the run where it happens, before "Done", and leaves any
// older report as it was.
Status run_gap_scan(Console& console);

}  // namespace vesmar
