#include <iostream>

#include "common/console.h"
#include "common/failure.h"
#include "common/program_info.h"
#include "gap_scan/gap_scan_dialogue.h"
#include "gap_scan/gap_scan_options.h"
#include "gap_scan/gap_scan_run.h"

int main(int argc, char** argv) {
  using namespace vesmar;
  if (answer_information_request(argc, argv, "Gap_region_scan", gap_scan_help_text())) return 0;
  Console console{std::cin, std::cout, run_in_system_shell};
  if (Status failed = run_gap_scan(console); !failed.ok()) return report_failure(kGapScanProgram, failed.failure());
  return 0;
}
