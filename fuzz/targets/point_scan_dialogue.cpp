// A whole Point_scan run with the fuzzer's bytes as the answers, in a small
// fixed package tree: it ends (a failure or a report), a failure leaves no
// report, a success leaves exactly its report, which begins with the report's
// title, and the VCF file beside it, and no temporary file is ever left behind.
#include "point_scan/point_scan_dialogue.h"

#include <cstdint>
#include <string>

#include "fuzz/support/dialogue_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vesmar::fuzz::enter_package_tree();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const auto outcome =
      run_dialogue(data, size, true, [](Console& console) { return run_point_scan_dialogue(console); });
  if (!outcome) return 0;
  check_report_and_companion(*outcome, kSnpResultsFolder, ".vcf", "\n      Point_scan output file \n");
  clear_output_folders();
  return 0;
}
