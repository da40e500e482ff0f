#include "candidate_rank/candidate_rank_dialogue.h"
#include "candidate_rank/candidate_rank_options.h"
#include "candidate_rank/candidate_rank_run.h"
#include "engine/program_main.h"

int main(int argc, char** argv) {
  using namespace vesmar;
  return program_main(argc, argv,
                      ProgramPieces<CandidateRankSettings>{kCandidateRankSyntax, run_candidate_rank_dialogue,
                                                           candidate_rank_settings_from, run_candidate_rank});
}
