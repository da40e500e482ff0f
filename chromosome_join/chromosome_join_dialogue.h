#pragma once

#include <optional>

#include "common/console.h"
#include "common/failure.h"
#include "chromosome_join/chromosome_join_settings.h"

namespace vesmar {

// Chromosome_join's dialogue: clears the screen, shows the banner and the
// mode question, then
//   "m"  the count, one name per chromosome file (each checked at once: one
//        that cannot be opened ends the dialogue with the "no such file
//        name" failure) and the genome file name;
//   "s"  the name of one FASTA file and the genome file name;
//   anything else: "no such option, type m or s", and nothing to join.
// Each answer is a whole line; nothing is asked twice.
Result<std::optional<ChromosomeJoinSettings>> ask_chromosome_join_settings(Console& console);

// The whole dialogue run: the questions, then the run.
Status run_chromosome_join_dialogue(Console& console);

}  // namespace vesmar
