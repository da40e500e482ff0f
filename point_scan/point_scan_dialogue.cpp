#include "point_scan/point_scan_dialogue.h"

#include <optional>
#include <string>

#include "engine/ask_then_run.h"
#include "genome/scanner_questions.h"
#include "point_scan/point_scan_run.h"

namespace vesmar {

namespace {

constexpr std::string_view kBanner =
    "            Point_scan\n"
    "            __________\n"
    "\n"
    "This program checks for single nucleotide polymorphisms (SNPs)\n"
    "in exons, introns, or intergenic regions of the genome.  See\n"
    "Read_me file for more details.  All suspected SNPs should be\n"
    "confirmed directly.\n"
    "\n"
    "The output of this program will be deposited in a file named\n"
    "'yourfirstname_snp_cexons.txt' in the 'SNP_results' folder.  File\n"
    "names for intron or intergenic searches replace 'cexons' with 'cintrons'\n"
    "or 'cintergenic', respectively.\n"
    "\n";

constexpr std::string_view kRatioPrompt =
    "Specify maximum Mutant-to-WT reads ratio (an integer, typically 3): ";
constexpr std::string_view kMinimumPrompt =
    "Specify minimum number of mutant reads to call a SNP (typically 2): ";
constexpr std::string_view kNamePrompt = "Your first name: ";
constexpr std::string_view kRegionPrompt =
    "Search mutations in exons (e), introns (i), or intergenic regions (n)? ";

Result<PointScanSettings> ask_questions(Console& console) {
  HitThresholds thresholds;
  console.print(kRatioPrompt);
  std::optional<double> ratio = read_double_answer(console);
  if (!ratio) return unanswered(console, kRatioPrompt);
  thresholds.mut_wt_ratio = *ratio;

  console.print(kMinimumPrompt);
  std::optional<int> minimum = read_int_answer(console);
  if (!minimum) return unanswered(console, kMinimumPrompt);
  thresholds.min_mut_reads = *minimum;

  console.print(kNamePrompt);
  std::optional<std::string> name = read_word_answer(console);
  if (!name) return unanswered(console, kNamePrompt);

  Result<std::string> alignment_file_name = ask_alignment_results_file(console);
  if (!alignment_file_name.ok()) return alignment_file_name.failure();
  Result<RegionChoice> regions = ask_region_choice(console, kRegionPrompt);
  if (!regions.ok()) return regions.failure();
  return point_scan_settings(thresholds, *name, alignment_file_name.value(), regions.value());
}

}  // namespace

Result<PointScanSettings> ask_point_scan_settings(Console& console) {
  console.shell("clear");
  console.print(kBanner);
  return ask_questions(console);
}

Status run_point_scan_dialogue(Console& console) {
  return ask_then_run(console, ask_point_scan_settings, run_point_scan, AfterRun::Pause);
}

}  // namespace vesmar
