// A whole Reads_importer run with the fuzzer's bytes as the answers, in a
// small fixed package tree: it ends; a success leaves exactly its reads file,
// whose lines are reads of at most 32 characters without capitals or ".";
// a failure leaves at most that file (a run whose input files could not all
// be read still writes the reads of the others); no temporary file is ever
// left behind.
#include <cstdint>

#include "engine/number_reader.h"
#include "fuzz/support/dialogue_run.h"
#include "reads_importer/reads_importer_dialogue.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vesmar::fuzz::enter_package_tree();
  return 0;
}

namespace {

// Whether an answer could ask for more than a hundred input files. After the
// last answer every file name question is answered "Desktop/", which exists,
// so a count of a million runs a million empty conversions: seconds that
// tell nothing new. The count and its limit have tests of their own.
bool asks_many_files(std::string_view answers) {
  for (const std::string_view line : vesmar::fuzz::pieces(answers)) {
    if (vesmar::read_leading_decimal(line) > 100) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vesmar;
  using namespace vesmar::fuzz;
  if (asks_many_files(std::string_view(reinterpret_cast<const char*>(data), size))) return 0;
  const auto outcome = run_dialogue(data, size, true, [](Console& console) {
    return run_reads_importer_dialogue(console);
  });
  if (!outcome) return 0;
  FUZZ_CHECK(outcome->outputs.size() <= 1);
  if (outcome->status.ok()) FUZZ_CHECK(outcome->outputs.size() == 1);
  for (const std::string& entry : outcome->outputs) {
    FUZZ_CHECK(entry.starts_with("Desktop/vesmar/Sequence_reads/") && entry.ends_with("_reads.txt"), entry);
    const std::string reads = read_file(entry);
    for (const std::string_view line : editor_lines(reads)) {
      FUZZ_CHECK(
          line.size() <= 32 && line.find_first_of(".ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string_view::npos,
          std::string(line));
    }
  }
  clear_output_folders();
  return 0;
}
