#include "alignment_counts/alignment_counts_dialogue.h"

#include <optional>
#include <string>

#include "alignment_counts/alignment_counts_run.h"
#include "engine/ask_then_run.h"
#include "genome/package_paths.h"
#include "genome/scanner_questions.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "\t\tAlignment_counts\n"
    "\t\t----------------\n"
    "This program writes an alignment results file for Point_scan and\n"
    "Gap_region_scan from the work of another aligner: a BAM, CRAM or SAM\n"
    "file sorted by position, and the reference FASTA file its reads were\n"
    "aligned to.  See Read_me file for details.\n"
    "\n"
    "The output of this program will be deposited in the 'Alignment_results'\n"
    "folder under the name you give it.\n"
    "\n"
    "PLEASE PLACE THE ALIGNMENT FILE AND THE FASTA FILE ON THE DESKTOP\n"
    "\n";

constexpr std::string_view kAlignmentPrompt = "Alignment file name (BAM, CRAM or SAM, on the Desktop): ";
constexpr std::string_view kReferencePrompt = "Reference FASTA file name (on the Desktop): ";
constexpr std::string_view kResultsPrompt = "Alignment_results file name to write: ";
constexpr std::string_view kBaseQualityPrompt = "Specify minimum base quality of a counted base (typically 0): ";
constexpr std::string_view kMappingQualityPrompt =
    "Specify minimum mapping quality of a counted read (typically 0): ";

// A quality threshold: a whole number, asked again while it is below 0.
Result<int> ask_quality(Console& console, std::string_view prompt) {
  for (;;) {
    console.print(prompt);
    const std::optional<int> quality = read_int_answer(console);
    if (!quality) return unanswered(console, prompt);
    if (*quality >= 0) return *quality;
    console.warn("the answer " + std::to_string(*quality) + " is below 0; the question is asked again");
  }
}

}  // namespace

Result<AlignmentCountsSettings> ask_alignment_counts_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  Result<std::string> alignment = ask_readable_file(console, kAlignmentPrompt, kDesktopFolder);
  if (!alignment.ok()) return alignment.failure();
  Result<std::string> reference = ask_readable_file(console, kReferencePrompt, kDesktopFolder);
  if (!reference.ok()) return reference.failure();
  console.print(kResultsPrompt);
  const std::optional<std::string> results = read_word_answer(console);
  if (!results) return unanswered(console, kResultsPrompt);
  CountingRules rules;
  Result<int> base_quality = ask_quality(console, kBaseQualityPrompt);
  if (!base_quality.ok()) return base_quality.failure();
  rules.min_base_quality = base_quality.value();
  Result<int> mapping_quality = ask_quality(console, kMappingQualityPrompt);
  if (!mapping_quality.ok()) return mapping_quality.failure();
  rules.min_mapping_quality = mapping_quality.value();
  return alignment_counts_settings(alignment.value(), reference.value(), *results, rules);
}

Status run_alignment_counts_dialogue(Console& console) {
  return ask_then_run(console, ask_alignment_counts_settings, run_alignment_counts, AfterRun::Pause);
}

}  // namespace vesmar
