#include <iostream>

#include "common/console.h"
#include "common/program_info.h"
#include "point_scan/point_scan_dialogue.h"
#include "point_scan/point_scan_run.h"

namespace {

constexpr std::string_view kHelp =
    "Point_scan: looks for suspected single nucleotide polymorphisms (SNPs) in an\n"
    "alignment results file of the vesmar aligner and reports them, assigned to\n"
    "exons, introns or intergenic regions, in Desktop/vesmar/SNP_results/.\n"
    "\n"
    "Run it without arguments in the folder that holds Desktop/. It asks its five\n"
    "questions on standard input; for batch use, answer them from a file or a\n"
    "here-document, for example:\n"
    "  Point_scan <<'END'\n"
    "  3 2 Anna run1.txt e\n"
    "  END\n"
    "\n"
    "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vesmar;
  if (answer_information_request(argc, argv, kPointScan, kHelp)) return 0;
  Console console{kPointScan, std::cin, std::cout, std::cerr, run_in_system_shell};
  const Status status = run_point_scan_dialogue(console);
  std::cout.flush();
  if (!status.ok()) return report_failure(kPointScan, status.failure());
  return 0;
}
