#include <iostream>

#include "chromosome_join/command_line.h"
#include "chromosome_join/join_dialogue.h"
#include "chromosome_join/join_failure.h"
#include "common/console.h"
#include "common/program_info.h"

int main(int argc, char** argv) {
  if (vesmar::answer_information_request(argc, argv, "Chromosome_join", vesmar::chromosome_join_help_text())) return 0;
  vesmar::Console console{std::cin, std::cout, vesmar::run_in_system_shell};
  if (vesmar::Status failure = vesmar::run_chromosome_join(console, std::cerr); !failure.ok()) {
    return vesmar::report_chromosome_join_failure(failure.failure());
  }
  return 0;
}
