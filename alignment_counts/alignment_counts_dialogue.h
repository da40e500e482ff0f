#pragma once

#include "alignment_counts/alignment_counts_settings.h"
#include "engine/console.h"
#include "engine/failure.h"

namespace vesmar {

// Alignment_counts' dialogue: clears the screen, shows the banner and asks
//   the alignment file's name (on the Desktop) and the reference FASTA
//   file's name (on the Desktop), each until it names a file that can be
//   read, with a warning that says why not;
//   the results file's name (in Desktop/vesmar/Alignment_results/);
//   the least base quality and the least mapping quality that count, each a
//   whole number, asked again when it is below 0.
// Answers are words, as in the scanners that read the results file: several
// may stand on one line. Fails, naming the question, when standard input
// ends before it is answered or a quality is not a number.
Result<AlignmentCountsSettings> ask_alignment_counts_settings(Console& console);

// The whole dialogue run: the questions, the run, and "PAUSE" at its end.
Status run_alignment_counts_dialogue(Console& console);

}  // namespace vesmar
