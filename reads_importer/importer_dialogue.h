#pragma once

#include <string>
#include <vector>

#include "common/console.h"
#include "common/failure.h"
#include "reads_importer/read_format.h"

namespace vesmar {

// Everything the questions decide, gathered before any file is read.
struct ImportPlan {
  // "Desktop/vesmar/Sequence_reads/" + first name + "_reads.txt".
  std::string outputfile;
  ReadFormat format = ReadFormat::fastq;
  // "Desktop/" + each accepted file name answer, in the order asked.
  std::vector<std::string> filename;
};

// Prints the banner and help text.
void print_importer_banner(Console& console);

// Asks the four questions: first name, format (until one of the three names
// is typed), count, and one file name per file (each until something exists
// at its path). Fails when standard input ends while a question that could
// never be answered by the empty answer is waiting, and on an absurd count.
Result<ImportPlan> ask_import_questions(Console& console);

}  // namespace vesmar
