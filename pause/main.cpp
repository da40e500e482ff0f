#include "engine/program_main.h"
#include "pause/pause_run.h"

namespace {

using namespace vesmar;

constexpr CommandLineSyntax kSyntax{
    kPause,
    "PAUSE: the command that Point_scan and Gap_region_scan run when they end.\n"
    "In a terminal it prints \"Press any key to continue . . . \" and waits for one\n"
    "key; when standard input is not a terminal it returns at once and prints\n"
    "nothing. Install it beside the programs, on the PATH.",
    {},
    "",
    "",
    "",
};

// PAUSE takes no answers, so it has no settings.
struct NoSettings {};

}  // namespace

int main(int argc, char** argv) {
  return program_main(argc, argv, ProgramPieces<NoSettings>{kSyntax, run_pause, nullptr, nullptr});
}
