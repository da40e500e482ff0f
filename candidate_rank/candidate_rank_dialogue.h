#pragma once

#include "candidate_rank/candidate_rank_settings.h"
#include "engine/console.h"
#include "engine/failure.h"

namespace vesmar {

// Candidate_rank's dialogue: clears the screen, shows the banner, and asks
// how many strains to rank, each one's name and alignment results file,
// then how many background strains (0 for none) and theirs. The thresholds
// keep their defaults (the options set them). Wrong answers bring the
// question back with a warning that says why; fails, naming the question,
// when standard input ends before it is answered.
Result<CandidateRankSettings> ask_candidate_rank_settings(Console& console);

// The whole dialogue run: the questions, the run, and "PAUSE" at its end.
Status run_candidate_rank_dialogue(Console& console);

}  // namespace vesmar
