#pragma once

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "common/console.h"
#include "common/failure.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/package_tree.h"
#include "fuzz/support/scratch.h"

namespace vesmar::fuzz {

// What a dialogue left in the output folders, and whether it failed.
struct DialogueOutcome {
  Status status;
  std::vector<std::string> outputs;  // "folder/name" in the four output folders
};

// Whether `name` is a temporary file of the output writer: "." + the name of
// the file it replaces (ending in ".txt", ".vcf" or ".bed") + "." + six
// characters.
inline bool is_temporary_name(std::string_view name) {
  if (name.size() <= 12 || name.front() != '.') return false;
  const std::string_view extension = name.substr(name.size() - 11, 5);
  return extension == ".txt." || extension == ".vcf." || extension == ".bed.";
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

}  // namespace vesmar::fuzz
