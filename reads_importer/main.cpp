#include <iostream>
#include <span>

#include "common/console.h"
#include "common/failure.h"
#include "reads_importer/command_line.h"
#include "reads_importer/reads_import.h"

int main(int argc, char** argv) {
  const std::span<char* const> arguments(argv + 1, argc > 0 ? argc - 1 : 0);
  if (std::optional<int> answered = vesmar::answer_reads_importer_command_line(arguments, std::cout)) {
    return *answered;
  }
  vesmar::Console console{std::cin, std::cout, vesmar::run_in_system_shell};
  if (vesmar::Status failure = vesmar::run_reads_importer(console, std::cerr)) {
    return vesmar::report_failure("Reads_importer", *failure);
  }
  return 0;
}
