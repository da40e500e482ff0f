#include "chromosome_join/command_line.h"

namespace vesmar {

std::string_view chromosome_join_help_text() {
  return "Chromosome_join joins chromosome sequences in FASTA format, one file per chromosome\n"
         "or one file with a header line per chromosome, placed on the Desktop, into the\n"
         "vesmar genome sequence file in Desktop/vesmar/Genome_sequences/.\n"
         "It asks its questions on standard input, one answer per line; for batch use the\n"
         "answers can be given by a here-document.\n"
         "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
         "docs/Read_me.md in the source tree).\n";
}

}  // namespace vesmar
