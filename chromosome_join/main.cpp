#include <iostream>

#include "chromosome_join/chromosome_join_dialogue.h"
#include "chromosome_join/chromosome_join_run.h"
#include "chromosome_join/join_failure.h"
#include "common/console.h"
#include "common/program_info.h"

namespace {

constexpr std::string_view kHelp =
    "Chromosome_join joins chromosome sequences in FASTA format, one file per chromosome\n"
    "or one file with a header line per chromosome, placed on the Desktop, into the\n"
    "vesmar genome sequence file in Desktop/vesmar/Genome_sequences/.\n"
    "It asks its questions on standard input, one answer per line; for batch use the\n"
    "answers can be given by a here-document.\n"
    "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
    "docs/Read_me.md in the source tree).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vesmar;
  if (answer_information_request(argc, argv, kChromosomeJoin, kHelp)) return 0;
  Console console{kChromosomeJoin, std::cin, std::cout, std::cerr, run_in_system_shell};
  const Status status = run_chromosome_join_dialogue(console);
  std::cout.flush();
  if (!status.ok()) return report_chromosome_join_failure(status.failure());
  return 0;
}
