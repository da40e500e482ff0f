#pragma once

#include <functional>
#include <string>
#include <vector>

#include "testing/program_run.h"

namespace vesmar::testing {

// A program with the files its runs read (written by `inputs`).
struct ProgramUnderTest {
  std::string binary;
  std::string program;  // its name, which begins its messages
  std::function<void(const ScratchFolder&)> inputs;
};

// Checks that the same answers, once in the dialogue and once as options
// (run from another folder with -C), write the same files, byte for byte;
// that the run from options prints the paths of `outputs` on standard output,
// one a line, and no banner, prompt or "clear"/"PAUSE" anywhere; status 0.
void check_answers_match_dialogue(const ProgramUnderTest& program, const std::string& dialogue_answers,
                                  const std::vector<std::string>& arguments,
                                  const std::vector<std::string>& outputs);

// Checks that a run from options whose file options are paths of the
// user's own writes what the same run with bare names writes: each
// argument "{root}/..." becomes an absolute path into the scratch folder,
// and "./..." a path from the folder the program runs in. `same_outputs`
// are compared byte for byte (a file that records the path it read, as the
// scanners' VCF does, is left out of them); status 0 for both.
void check_own_paths_match_bare_names(const ProgramUnderTest& program, const std::vector<std::string>& bare_arguments,
                                      const std::vector<std::string>& own_arguments,
                                      const std::vector<std::string>& same_outputs);

// A wrong command line and what the program says of it.
struct UsageCase {
  std::vector<std::string> arguments;
  std::string message;  // the first line on standard error, after "<program>: "
};

// Checks that each wrong command line ends with status 2, its message and
// the usage line on standard error, nothing on standard output, nothing asked
// and nothing written.
void check_usage_errors(const ProgramUnderTest& program, const std::vector<UsageCase>& cases);

}  // namespace vesmar::testing
