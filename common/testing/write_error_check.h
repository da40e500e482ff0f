#pragma once

#include <functional>
#include <string>

#include "common/testing/program_run.h"

namespace vesmar::testing {

// A run whose one output file is larger than kWriteErrorFileSizeLimit: the
// program, what it reads (written by `inputs`), its answers and the output
// file's path.
struct OutputRun {
  std::string binary;
  std::function<void(const ScratchFolder&)> inputs;
  std::string answers;
  std::string output;
  std::string program;  // its name, which begins its messages
  // How standard output ends when the file is complete, and when it could
  // not be written.
  std::string out_end_written;
  std::string out_end_failed;
};

inline constexpr std::uint64_t kWriteErrorFileSizeLimit = 8192;

// Checks the rule of every program that writes an output file: when the
// file cannot be written in full (the disk fills up: a limit on the size of
// the files the program may write), the run names the file and the reason
// and ends with status 1, leaving an older file of that name as it was and
// no temporary file beside it; with room enough the same run writes it.
void check_write_errors(const OutputRun& run);

}  // namespace vesmar::testing
