#pragma once

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/console.h"
#include "engine/failure.h"
#include "genome/package_paths.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/package_tree.h"
#include "fuzz/support/scratch.h"

namespace vesmar::fuzz {

// What a dialogue left in the output folders, and whether it failed.
struct DialogueOutcome {
  Status status;
  std::vector<std::string> outputs;  // "folder/name" in the four output folders
};

// Whether `name` is a temporary file of the output writer, whatever file
// it stands in for: "." + that file's name + "." + six letters or digits.
inline bool is_temporary_name(std::string_view name) {
  if (name.size() < 9 || name.front() != '.' || name[name.size() - 7] != '.') return false;
  for (const char c : name.substr(name.size() - 6)) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

// Runs a whole dialogue with the fuzzer's bytes as the answers on standard
// input, prompts and warnings dropped, and shell commands doing nothing.
// Inputs whose answers could name a file outside the package tree are passed
// over (nothing when so). For a program that writes its output through a
// temporary file, checks that none is left behind.
template <class Run>
std::optional<DialogueOutcome> run_dialogue(const std::uint8_t* data, std::size_t size,
                                            bool writes_through_temporary, Run run) {
  const std::string answers(reinterpret_cast<const char*>(data), size);
  if (!answers_stay_in_tree(answers)) return std::nullopt;
  DiscardingBuffer discarded;
  std::ostream out(&discarded);
  std::istringstream in(answers);
  Console console{"fuzz", in, out, out, [](const char*) {}};
  DialogueOutcome outcome{run(console), output_entries()};
  for (const std::string& entry : outcome.outputs) {
    if (!writes_through_temporary) break;
    FUZZ_CHECK(!is_temporary_name(entry.substr(entry.rfind('/') + 1)),
               "a temporary file is left behind: " + entry);
  }
  return outcome;
}

// Whether a file begins with `text`.
inline bool file_begins_with(const std::string& path, std::string_view text) {
  return read_file(path).starts_with(text);
}

// A scanner's dialogue that ended well left its report in `folder`, starting
// with `title`, and the standard file beside it (`extension`); one that
// failed left nothing.
inline void check_report_and_companion(const DialogueOutcome& outcome, std::string_view folder,
                                       std::string_view extension, std::string_view title) {
  const std::vector<std::string>& outputs = outcome.outputs;
  if (!outcome.status.ok()) {
    FUZZ_CHECK(outputs.empty(), outcome.status.failure().message);
    return;
  }
  FUZZ_CHECK(outputs.size() == 2);
  const bool report_first = outputs[0].ends_with(".txt");
  const std::string& report = outputs[report_first ? 0 : 1];
  FUZZ_CHECK(report.starts_with(folder));
  FUZZ_CHECK(outputs[report_first ? 1 : 0] == companion_path(report, extension));
  FUZZ_CHECK(file_begins_with(report, title));
}

}  // namespace vesmar::fuzz
