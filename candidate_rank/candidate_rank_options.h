#pragma once

#include "candidate_rank/candidate_rank_settings.h"
#include "engine/command_line.h"
#include "engine/failure.h"

namespace vesmar {

// Candidate_rank's command line: the repeated --strain and --background
// answers and the thresholds with their defaults.
extern const CommandLineSyntax kCandidateRankSyntax;

// The settings of a complete command line's answers; a wrong one (a strain
// answer that is not NAME=RESULTS, a name twice, a threshold out of range)
// is a usage failure.
Result<CandidateRankSettings> candidate_rank_settings_from(const Arguments& arguments);

}  // namespace vesmar
