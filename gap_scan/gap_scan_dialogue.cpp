#include "gap_scan/gap_scan_dialogue.h"

#include <optional>

#include "engine/ask_then_run.h"
#include "genome/scanner_questions.h"
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

}  // namespace

Result<GapScanSettings> ask_gap_scan_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  Result<RegionChoice> regions = ask_region_choice(console, kRegionQuestion);
  if (!regions.ok()) return regions.failure();
  console.print(kFirstNameQuestion);
  std::optional<std::string> first_name = read_word_answer(console);
  if (!first_name) return unanswered(console, kFirstNameQuestion);
  Result<std::string> alignment_file_name = ask_alignment_results_file(console);
  if (!alignment_file_name.ok()) return alignment_file_name.failure();
  return gap_scan_settings(regions.value(), *first_name, alignment_file_name.value());
}

Status run_gap_scan_dialogue(Console& console) {
  return ask_then_run(console, ask_gap_scan_settings, run_gap_scan, AfterRun::Pause);
}

}  // namespace vesmar
