#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "chromosome_join/chromosome_join_settings.h"

namespace vesmar {

// Chromosome_join's dialogue: clears the screen, shows the banner and the
// mode question, then
//   "m"  the count and one name per chromosome file (each checked at once:
//        one that cannot be opened ends the dialogue with the "no such file
//        name" failure);
//   "s"  the name of one FASTA file;
// and then the genome file name.
// Any other mode answer prints "no such option, type m or s" and fails, as
// do a count that asks for no file and standard input ending at a question
// (naming it). Each answer is a whole line; nothing is asked twice.
Result<ChromosomeJoinSettings> ask_chromosome_join_settings(Console& console);

// The whole dialogue run: the questions, then the run.
Status run_chromosome_join_dialogue(Console& console);

}  // namespace vesmar
