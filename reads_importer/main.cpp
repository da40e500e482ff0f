#include <iostream>

#include "common/console.h"
#include "common/failure.h"
#include "common/program_info.h"
#include "reads_importer/reads_importer_dialogue.h"
#include "reads_importer/reads_importer_run.h"

namespace {

constexpr std::string_view kHelp =
    "Reads_importer converts Solexa sequence read files (gseq, FASTQ or FASTA), plain or\n"
    "gzip-compressed, placed on the Desktop into the vesmar reads file\n"
    "Desktop/vesmar/Sequence_reads/<name>_reads.txt.\n"
    "It asks its questions on standard input, one answer per line; for batch use the\n"
    "answers can be given by a here-document.\n"
    "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
    "docs/Read_me.md in the source tree).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace vesmar;
  if (answer_information_request(argc, argv, kReadsImporter, kHelp)) return 0;
  Console console{kReadsImporter, std::cin, std::cout, std::cerr, run_in_system_shell};
  const Status status = run_reads_importer_dialogue(console);
  std::cout.flush();
  if (!status.ok()) return report_failure(kReadsImporter, status.failure());
  return 0;
}
