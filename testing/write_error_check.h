#pragma once

#include <functional>
#include <string>
#include <vector>

#include "testing/program_run.h"

namespace vesmar::testing {

// A run whose first output file is larger than kWriteErrorFileSizeLimit:
// the program, what it reads (written by `inputs`), its answers and the
// paths of the files it writes, in one folder.
struct OutputRun {
  std::string binary;
  std::function<void(const ScratchFolder&)> inputs;
  std::string answers;
  std::vector<std::string> outputs;
  std::string program;  // its name, which begins its messages
  // How standard output ends when the file is complete, and when it could
  // not be written.
  std::string out_end_written;
  std::string out_end_failed;
};

inline constexpr std::uint64_t kWriteErrorFileSizeLimit = 8192;

// Checks the rule of every program that writes output files: when they
// cannot be written in full (the disk fills up: a limit on the size of the
// files the program may write), the run names the file and the reason and
// ends with status 1, leaving older files of those names as they were and no
// temporary file beside them; with room enough the same run writes them.
void check_write_errors(const OutputRun& run);

}  // namespace vesmar::testing
