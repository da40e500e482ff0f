#include <iostream>

#include "common/console.h"
#include "common/failure.h"
#include "common/program_info.h"
#include "gap_scan/gap_scan_dialogue.h"
#include "gap_scan/gap_scan_run.h"

namespace {

constexpr std::string_view kHelp =
    "Gap_region_scan: finds the stretches of the genome that no read covers in an\n"
    "alignment results file (Desktop/vesmar/Alignment_results/), assigns them to\n"
    "exons, introns or intergenic regions, and writes a report into\n"
    "Desktop/vesmar/Deletion_results/. Run it from the folder that holds Desktop.\n"
    "It asks its questions on standard input; for batch use, answer them with a\n"
    "here-document:\n"
    "  Gap_region_scan <<EOF\n"
    "  e\n"
    "  yourfirstname\n"
    "  alignment_results_file_name\n"
    "  EOF\n"
    "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
    "docs/Read_me.md in the source tree).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vesmar;
  if (answer_information_request(argc, argv, kGapRegionScan, kHelp)) return 0;
  Console console{kGapRegionScan, std::cin, std::cout, std::cerr, run_in_system_shell};
  const Status status = run_gap_scan_dialogue(console);
  std::cout.flush();
  if (!status.ok()) return report_failure(kGapRegionScan, status.failure());
  return 0;
}
