#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "genome_overview/genome_overview_settings.h"

namespace vesmar {

// Genome_overview's dialogue, in the scanners' manner: clears the screen,
// shows the banner and asks the first name (one word). Fails, naming the
// question, when standard input ends before it is answered.
Result<GenomeOverviewSettings> ask_genome_overview_settings(Console& console);

// The whole dialogue run: the question, the run, and "PAUSE" at its end, as
// the scanners whose files it reads end theirs (started from a desktop, the
// window would otherwise close before its last lines are read).
Status run_genome_overview_dialogue(Console& console);

}  // namespace vesmar
