#include "reads_importer/command_line.h"

#include <ostream>
#include <string_view>

namespace vesmar {

std::optional<int> answer_reads_importer_command_line(std::span<char* const> arguments, std::ostream& out) {
  for (const char* argument : arguments) {
    const std::string_view text = argument;
    if (text == "--help") {
      out << "Reads_importer converts Solexa sequence read files (gseq, FASTQ or FASTA), plain or\n"
             "gzip-compressed, placed on the Desktop into the vesmar reads file\n"
             "Desktop/vesmar/Sequence_reads/<name>_reads.txt.\n"
             "It asks its questions on standard input, one answer per line; for batch use the\n"
             "answers can be given by a here-document.\n"
             "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
             "docs/Read_me.md in the source tree).\n";
      return 0;
    }
    if (text == "--version") {
      out << "Reads_importer " VESMAR_VERSION "\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace vesmar
