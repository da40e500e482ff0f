// A whole Gap_region_scan run with the fuzzer's bytes as the answers, in a
// small fixed package tree: it ends (a failure or a report), a failure leaves
// no report, a success leaves exactly its report, which begins with the
// report's title, and the BED file beside it, and no temporary file is ever
// left behind.
#include <cstdint>
#include <string>

#include "fuzz/support/dialogue_run.h"
#include "gap_scan/gap_scan_dialogue.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vesmar::fuzz::enter_package_tree();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const auto outcome =
      run_dialogue(data, size, true, [](Console& console) { return run_gap_scan_dialogue(console); });
  if (!outcome) return 0;
  if (!outcome->status.ok()) {
    FUZZ_CHECK(outcome->outputs.empty(), outcome->status.failure().message);
  } else {
    // The report and, beside it, its companion file.
    const auto& outputs = outcome->outputs;
    FUZZ_CHECK(outputs.size() == 2);
    const bool report_first = outputs[0].ends_with(".txt");
    const std::string& report = outputs[report_first ? 0 : 1];
    const std::string& companion = outputs[report_first ? 1 : 0];
    FUZZ_CHECK(report.starts_with("Desktop/vesmar/Deletion_results/"));
    FUZZ_CHECK(companion == report.substr(0, report.size() - 4) + ".bed");
    FUZZ_CHECK(file_begins_with(report, "\n      Gap_region_scan output file\n"));
  }
  clear_output_folders();
  return 0;
}
