#include <unistd.h>

#include <iostream>

#include "common/program_info.h"
#include "pause/pause_run.h"

namespace {

constexpr std::string_view kHelp =
    "PAUSE: the command that Point_scan and Gap_region_scan run when they end.\n"
    "In a terminal it prints \"Press any key to continue . . . \" and waits for one\n"
    "key; when standard input is not a terminal it returns at once and prints\n"
    "nothing. Install it beside the programs, on the PATH.\n"
    "\n"
    "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar).\n";

}  // namespace

int main(int argc, char** argv) {
  if (vesmar::answer_information_request(argc, argv, vesmar::kPause, kHelp)) return 0;
  vesmar::pause_for_key(STDIN_FILENO, std::cout);
  return 0;
}
