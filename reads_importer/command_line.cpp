#include "reads_importer/command_line.h"

namespace vesmar {

std::string_view reads_importer_help_text() {
  return "Reads_importer converts Solexa sequence read files (gseq, FASTQ or FASTA), plain or\n"
         "gzip-compressed, placed on the Desktop into the vesmar reads file\n"
         "Desktop/vesmar/Sequence_reads/<name>_reads.txt.\n"
         "It asks its questions on standard input, one answer per line; for batch use the\n"
         "answers can be given by a here-document.\n"
         "The user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
         "docs/Read_me.md in the source tree).\n";
}

}  // namespace vesmar
