#include <iostream>

#include "common/console.h"
#include "common/program_info.h"
#include "common/failure.h"
#include "reads_importer/command_line.h"
#include "reads_importer/reads_import.h"

int main(int argc, char** argv) {
  if (vesmar::answer_information_request(argc, argv, "Reads_importer", vesmar::reads_importer_help_text())) return 0;
  vesmar::Console console{std::cin, std::cout, vesmar::run_in_system_shell};
  if (vesmar::Status failure = vesmar::run_reads_importer(console, std::cerr); !failure.ok()) {
    return vesmar::report_failure("Reads_importer", failure.failure());
  }
  return 0;
}
