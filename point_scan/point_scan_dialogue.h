#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "point_scan/point_scan_settings.h"

namespace vesmar {

// Point_scan's dialogue: clears the screen, shows the banner and asks the
// five questions: the ratio, the minimum, the first name, the alignment
// results file (asked again until it names a file that can be read) and the
// region choice (asked again until "e", "i" or "n"); a question asked again
// comes with a warning on standard error that says why. Answers
// are words: several may stand on one line. Fails, naming the question, when
// standard input ends before it is answered or a number is not a number.
Result<PointScanSettings> ask_point_scan_settings(Console& console);

// The whole dialogue run: the questions, the run, and "PAUSE" at its end.
Status run_point_scan_dialogue(Console& console);

}  // namespace vesmar
