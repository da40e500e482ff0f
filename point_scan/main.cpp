#include "engine/program_main.h"
#include "genome/region_choice.h"
#include "genome/package_paths.h"
#include "point_scan/point_scan_dialogue.h"
#include "point_scan/point_scan_run.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"ratio", "R", "the least number of mutant reads per WT read (the first question; typically 3)"},
    {"min-mut-reads", "N", "the least number of mutant reads (typically 2)"},
    {"name", "NAME", "your first name, which names the report"},
    {"results", "FILE", "the alignment results file, in Desktop/vesmar/Alignment_results/ (plain or gzip)"},
    {"regions", kRegionAnswers, "search exons, introns or intergenic regions"},
};

constexpr CommandLineSyntax kSyntax{
    kPointScan,
    "Point_scan: looks for suspected single nucleotide polymorphisms (SNPs) in an\n"
    "alignment results file of the vesmar aligner and reports them, assigned to\n"
    "exons, introns or intergenic regions, in Desktop/vesmar/SNP_results/: a report\n"
    "to read and, beside it, the same SNPs as VCF. Run it in the folder that holds\n"
    "Desktop/, or name that folder with -C.",
    kAnswers,
    "",
    "",
    "Point_scan -C ~ --ratio 3 --min-mut-reads 2 --name Anna --results run1.txt --regions e",
};

Result<PointScanSettings> settings_from(const Arguments& arguments) {
  Result<double> ratio = number_option(arguments, "ratio");
  if (!ratio.ok()) return ratio.failure();
  Result<int> minimum = integer_option(arguments, "min-mut-reads");
  if (!minimum.ok()) return minimum.failure();
  Result<RegionChoice> regions = region_choice_option(arguments);
  if (!regions.ok()) return regions.failure();
  PointScanSettings settings = point_scan_settings(HitThresholds{ratio.value(), minimum.value()}, arguments["name"],
                                                   arguments["results"], regions.value());
  settings.alignment_path = option_file_path(kAlignmentResultsFolder, arguments["results"]);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv, ProgramPieces<PointScanSettings>{kSyntax, run_point_scan_dialogue, settings_from,
                                                                 run_point_scan});
}
