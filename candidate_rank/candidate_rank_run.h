#pragma once

#include <string_view>

#include "candidate_rank/candidate_rank_settings.h"
#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"

namespace vesmar {

inline constexpr std::string_view kCandidateRank = "Candidate_rank";

// A Candidate_rank run: loads the feature location files, reads each
// strain's alignment results once (plain or gzip), drops what another
// strain of the batch shows, maps and ranks each ranked strain, and writes
// its table, linked BED and page into Desktop/vesmar/Candidates/ (made when
// missing). Every file of the run replaces its older one together with the
// others, only once all are complete; a failure leaves them all as they
// were.
Result<RunOutcome> run_candidate_rank(const CandidateRankSettings& settings, Console& console);

}  // namespace vesmar
