#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "gap_scan/gap_scan_settings.h"

namespace vesmar {

// Gap_region_scan's dialogue: clears the screen, shows the banner and asks
// the three questions: the region (until "e", "i" or "n"), the first name,
// and the alignment results file (until it names a file that can be read; a
// folder cannot). Wrong answers bring the question back, with a warning on
// standard error that says why.
// Answers are words: several may stand on one line. Fails, naming the
// question, when standard input ends before it is answered.
Result<GapScanSettings> ask_gap_scan_settings(Console& console);

// The whole dialogue run: the questions, the run, and "PAUSE" at its end.
Status run_gap_scan_dialogue(Console& console);

}  // namespace vesmar
