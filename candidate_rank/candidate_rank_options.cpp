#include "candidate_rank/candidate_rank_options.h"

#include "candidate_rank/candidate_rank_run.h"

namespace vesmar {

namespace {

constexpr AnswerOption kAnswers[] = {
    {"strain", "NAME=RESULTS", "a strain to rank and its alignment results file, in Desktop/vesmar/Alignment_results/ (plain or gzip)",
     {}, OptionTakes::Values},
    {"background", "NAME=RESULTS", "a strain that is only background (the parent), not ranked", {}, OptionTakes::Values, true},
    {"min-mut-reads", "N", "the least mutant reads of a change that counts", "2"},
    {"min-depth", "N", "the least reads (WT and mutant) of a change that counts", "3"},
    {"homozygous-share", "X", "the mutant share from which a change is homozygous", "0.8"},
    {"mutagen", "ems|none", "the mutagen, whose signature ranks first (ems: G/C to A/T)", "ems"},
};

}  // namespace

const CommandLineSyntax kCandidateRankSyntax{
    kCandidateRank,
    "Candidate_rank: ranks, for each mutant strain of a batch, the changes and\n"
    "stretches without reads that no other strain of the batch shows, from their\n"
    "alignment results files (Desktop/vesmar/Alignment_results/): inside the linked\n"
    "interval first, then protein-changing, homozygous and the mutagen's signature.\n"
    "Writes NAME_candidates.tsv, NAME_linked.bed and NAME_candidates.html into\n"
    "Desktop/vesmar/Candidates/. Run it in the folder that holds Desktop/, or name\n"
    "that folder with -C.",
    kAnswers,
    "",
    "",
    "Candidate_rank -C ~ --strain m1=m1.txt.gz --strain m2=m2.txt.gz --background parent=p.txt.gz",
};

Result<CandidateRankSettings> candidate_rank_settings_from(const Arguments& arguments) {
  Result<int> min_mut_reads = integer_option(arguments, "min-mut-reads");
  if (!min_mut_reads.ok()) return min_mut_reads.failure();
  Result<int> min_depth = integer_option(arguments, "min-depth");
  if (!min_depth.ok()) return min_depth.failure();
  Result<double> share = number_option(arguments, "homozygous-share");
  if (!share.ok()) return share.failure();
  Result<std::string> mutagen = choice_option(arguments, "mutagen", {"ems", "none"});
  if (!mutagen.ok()) return mutagen.failure();
  return candidate_rank_settings(arguments.all("strain"), arguments.all("background"), min_mut_reads.value(),
                                 min_depth.value(), share.value(),
                                 mutagen.value() == "ems" ? Mutagen::Ems : Mutagen::None);
}


}  // namespace vesmar
