#include "engine/program_main.h"
#include "genome/region_choice.h"
#include "genome/package_paths.h"
#include "gap_scan/gap_scan_dialogue.h"
#include "gap_scan/gap_scan_run.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"regions", kRegionAnswers, "search exons, introns or intergenic regions"},
    {"name", "NAME", "your first name, which names the report"},
    {"results", "FILE", "the alignment results file, in Desktop/vesmar/Alignment_results/ (plain or gzip)"},
};

constexpr CommandLineSyntax kSyntax{
    kGapRegionScan,
    "Gap_region_scan: finds the stretches of the genome that no read covers in an\n"
    "alignment results file (Desktop/vesmar/Alignment_results/), assigns them to\n"
    "exons, introns or intergenic regions, and writes a report into\n"
    "Desktop/vesmar/Deletion_results/, and beside it the same stretches as BED. Run\n"
    "it in the folder that holds Desktop/, or name that folder with -C.",
    kAnswers,
    "",
    "",
    "Gap_region_scan -C ~ --name Anna --results run1.txt --regions i",
};

Result<GapScanSettings> settings_from(const Arguments& arguments) {
  Result<RegionChoice> regions = region_choice_option(arguments);
  if (!regions.ok()) return regions.failure();
  GapScanSettings settings =
      gap_scan_settings(regions.value(), arguments["name"], arguments["results"]);
  settings.alignment_path = option_file_path(kAlignmentResultsFolder, arguments["results"]);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv,
                      ProgramPieces<GapScanSettings>{kSyntax, run_gap_scan_dialogue, settings_from, run_gap_scan});
}
