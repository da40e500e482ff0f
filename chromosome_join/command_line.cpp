#include "chromosome_join/command_line.h"

#include <ostream>
#include <string_view>

namespace vesmar {

std::optional<int> answer_chromosome_join_command_line(std::span<char* const> arguments, std::ostream& out) {
  for (const char* argument : arguments) {
    const std::string_view text = argument;
    if (text == "--help") {
      out << "Chromosome_join joins chromosome sequences in FASTA format, one file per chromosome\n"
             "or one file with a header line per chromosome, placed on the Desktop, into the\n"
             "vesmar genome sequence file in Desktop/vesmar/Genome_sequences/.\n"
             "It asks its questions on standard input, one answer per line; for batch use the\n"
             "answers can be given by a here-document.\n"
             "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
             "docs/Read_me.md in the source tree).\n";
      return 0;
    }
    if (text == "--version") {
      out << "Chromosome_join " VESMAR_VERSION "\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace vesmar
