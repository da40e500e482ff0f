#include <iostream>
#include <span>

#include "chromosome_join/command_line.h"
#include "chromosome_join/join_dialogue.h"
#include "chromosome_join/join_failure.h"
#include "common/console.h"

int main(int argc, char** argv) {
  const std::span<char* const> arguments(argv + 1, argc > 0 ? argc - 1 : 0);
  if (std::optional<int> answered = vesmar::answer_chromosome_join_command_line(arguments, std::cout)) {
    return *answered;
  }
  vesmar::Console console{std::cin, std::cout, vesmar::run_in_system_shell};
  if (vesmar::Status failure = vesmar::run_chromosome_join(console, std::cerr)) {
    return vesmar::report_chromosome_join_failure(*failure);
  }
  return 0;
}
