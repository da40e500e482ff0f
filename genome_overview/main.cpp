#include "engine/program_main.h"
#include "genome_overview/genome_overview_dialogue.h"
#include "genome_overview/genome_overview_run.h"

namespace {

using namespace vesmar;

constexpr AnswerOption kAnswers[] = {
    {"name", "NAME", "your first name, which names the scanners' files and the page"},
};

constexpr CommandLineSyntax kSyntax{
    kGenomeOverview,
    "Genome_overview: draws one page, Desktop/vesmar/Overview/NAME_overview.html,\n"
    "that shows where along each chromosome the SNPs of Point_scan and the\n"
    "stretches without reads of Gap_region_scan lie, from the VCF and BED files\n"
    "they wrote for a first name; open it in a web browser. Run it in the folder\n"
    "that holds Desktop/, or name that folder with -C.",
    kAnswers,
    "",
    "",
    "Genome_overview -C ~ --name Anna",
};

Result<GenomeOverviewSettings> settings_from(const Arguments& arguments) {
  return genome_overview_settings(arguments["name"]);
}

}  // namespace

int main(int argc, char** argv) {
  return program_main(
      argc, argv,
      ProgramPieces<GenomeOverviewSettings>{kSyntax, run_genome_overview_dialogue, settings_from, run_genome_overview});
}
