#include "gap_scan/gap_scan_dialogue.h"

#include <optional>

#include "common/input_file.h"
#include "common/package_paths.h"
#include "common/region_choice.h"
#include "gap_scan/gap_scan_run.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "\t\tGap_region_scan\n"
    "\t\t---------------\n"
    "This program identifies regions of the genome that have not been found\n"
    "in sequence reads, and assigns them to exons, introns, or intergenic\n"
    "regions, as specified by the user.  These sequence gaps may indicate\n"
    "deletions, insertions, multiple close SNPs (within about 30 bp), or simply\n"
    "poor sequence coverage.  See Read_me file for details.  All suspected\n"
    "mutations should be confirmed directly.\n"
    "\n"
    "The output of this program will be deposited in a file named\n"
    "'yourfirstname_del_cexons.txt' in the 'Deletion_results' folder.  File\n"
    "names for intron or intergenic searches replace 'cexons' with 'cintrons'\n"
    "or 'cintergenic', respectively.\n"
    "\n";

constexpr std::string_view kRegionQuestion =
    "Search for deletions in exons (e), introns (i), or intergenic regions (n)? ";
constexpr std::string_view kFirstNameQuestion = "Your first name: ";
constexpr std::string_view kAlignmentQuestion = "Alignment_results file name: ";

// Prints the question and reads one word. Nothing at end of input.
std::optional<std::string> ask(Console& console, std::string_view question) {
  console.print(question);
  return read_word_answer(console);
}

}  // namespace

Result<GapScanSettings> ask_gap_scan_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  std::string_view region_file_name;
  for (;;) {
    std::optional<std::string> answer = ask(console, kRegionQuestion);
    if (!answer) return unanswered(console, kRegionQuestion);
    if (std::optional<std::string_view> file_name = region_file_name_for(*answer)) {
      region_file_name = *file_name;
      break;
    }
  }

  std::optional<std::string> first_name = ask(console, kFirstNameQuestion);
  if (!first_name) return unanswered(console, kFirstNameQuestion);

  for (;;) {
    std::optional<std::string> answer = ask(console, kAlignmentQuestion);
    if (!answer) return unanswered(console, kAlignmentQuestion);
    if (can_open_for_reading(path_in(kAlignmentResultsFolder, *answer))) {
      return gap_scan_settings(region_file_name, *first_name, *answer);
    }
  }
}

Status run_gap_scan_dialogue(Console& console) {
  Result<GapScanSettings> settings = ask_gap_scan_settings(console);
  if (!settings.ok()) return settings.failure();
  if (Status run = run_gap_scan(settings.value(), console); !run.ok()) return run;
  console.shell("PAUSE");
  return {};
}

}  // namespace vesmar
