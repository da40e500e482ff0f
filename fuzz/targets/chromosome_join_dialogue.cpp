// A whole Chromosome_join run with the fuzzer's bytes as the answers, in a
// small fixed package tree: it ends, leaves at most the one genome sequence
// file it was asked for (a failed join keeps the chromosomes joined before
// it), that file never holds ">", and no temporary file is ever left behind.
#include <cstdint>

#include "chromosome_join/chromosome_join_dialogue.h"
#include "fuzz/support/dialogue_run.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vesmar::fuzz::enter_package_tree();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  const auto outcome = run_dialogue(data, size, false, [](Console& console) {
    return run_chromosome_join_dialogue(console);
  });
  if (!outcome) return 0;
  FUZZ_CHECK(outcome->outputs.size() <= 1);
  for (const std::string& entry : outcome->outputs) {
    FUZZ_CHECK(entry.starts_with("Desktop/vesmar/Genome_sequences/"), entry);
    FUZZ_CHECK(read_file(entry).find('>') == std::string::npos, entry);
  }
  clear_output_folders();
  return 0;
}
