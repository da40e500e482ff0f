#include "candidate_rank/candidate_rank_dialogue.h"

#include <optional>
#include <string>
#include <vector>

#include "candidate_rank/candidate_rank_run.h"
#include "engine/ask_then_run.h"
#include "genome/scanner_questions.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "            Candidate_rank\n"
    "            ______________\n"
    "\n"
    "This program compares a batch of mutant strains (and their parent) and\n"
    "ranks, for each mutant, the changes and stretches without reads that only\n"
    "it shows: inside the linked interval, protein-changing, homozygous and\n"
    "the mutagen's (EMS) signature first.  It uses at least 2 mutant reads\n"
    "and 3 reads for a change (the options change them).  See Read_me file\n"
    "for details.  All suspected mutations should be confirmed directly.\n"
    "\n"
    "The results will be deposited in files named 'strainname_candidates.tsv',\n"
    "'strainname_linked.bed' and 'strainname_candidates.html' in the\n"
    "'Candidates' folder.\n"
    "\n";

constexpr std::string_view kRankedCountPrompt = "How many mutant strains to rank? ";
constexpr std::string_view kBackgroundCountPrompt = "How many background strains (the parent; 0 for none)? ";
constexpr std::string_view kNamePrompt = "Strain name: ";

Result<int> ask_count(Console& console, std::string_view prompt, int least) {
  for (;;) {
    console.print(prompt);
    std::optional<int> count = read_int_answer(console);
    if (!count) {
      if (console.problem == AnswerProblem::InputEnded) return unanswered(console, prompt);
      console.warn("the answer is not a whole number; answer again");
      continue;
    }
    if (*count >= least && *count <= 100) return *count;
    console.warn("answer a number from " + std::to_string(least) + " to 100");
  }
}

// One strain's name and file, as "NAME=FILE" would give them.
Result<std::string> ask_strain(Console& console) {
  for (;;) {
    console.print(kNamePrompt);
    std::optional<std::string> name = read_word_answer(console);
    if (!name) return unanswered(console, kNamePrompt);
    if (Result<StrainFile> checked = strain_file_from(*name + "=x", true); !checked.ok()) {
      console.warn(checked.failure().message);
      continue;
    }
    Result<std::string> file = ask_alignment_results_file(console);
    if (!file.ok()) return file.failure();
    return *name + "=" + file.value();
  }
}

Result<std::vector<std::string>> ask_strains(Console& console, std::string_view count_prompt, int least) {
  Result<int> count = ask_count(console, count_prompt, least);
  if (!count.ok()) return count.failure();
  std::vector<std::string> strains;
  for (int i = 0; i < count.value(); ++i) {
    Result<std::string> strain = ask_strain(console);
    if (!strain.ok()) return strain.failure();
    strains.push_back(std::move(strain.value()));
  }
  return strains;
}

}  // namespace

Result<CandidateRankSettings> ask_candidate_rank_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  for (;;) {
    Result<std::vector<std::string>> ranked = ask_strains(console, kRankedCountPrompt, 1);
    if (!ranked.ok()) return ranked.failure();
    Result<std::vector<std::string>> background = ask_strains(console, kBackgroundCountPrompt, 0);
    if (!background.ok()) return background.failure();
    const CandidateRankSettings defaults;
    Result<CandidateRankSettings> settings =
        candidate_rank_settings(ranked.value(), background.value(), defaults.min_mut_reads, defaults.min_depth,
                                defaults.homozygous_share, defaults.mutagen);
    if (settings.ok()) return settings;
    console.warn(settings.failure().message + "; name the strains again");
  }
}

Status run_candidate_rank_dialogue(Console& console) {
  return ask_then_run(console, ask_candidate_rank_settings, run_candidate_rank, AfterRun::Pause);
}

}  // namespace vesmar
