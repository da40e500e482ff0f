#pragma once

#include <iosfwd>
#include <optional>
#include <span>

namespace vesmar {

// Answers "--help" and "--version" on `out` and gives the exit status; the
// first of the two among the arguments decides. Nothing when neither is
// given: the program then runs its dialogue, ignoring any other argument.
std::optional<int> answer_chromosome_join_command_line(std::span<char* const> arguments, std::ostream& out);

}  // namespace vesmar
