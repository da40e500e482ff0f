#pragma once

#include <iosfwd>

#include "common/console.h"
#include "common/failure.h"
#include "reads_importer/importer_dialogue.h"

namespace vesmar {

// Writes the reads file of `plan`: every input file in turn, announced on a
// "Reading " line, converted into one reads file that replaces an older one
// only once it is complete; then "Done.".
//
// An input file that cannot be opened or read to its end, and a FASTQ file
// whose line count is not a multiple of four, get a warning on `warnings`;
// the other files are still converted. Fails when the reads file cannot be
// created or written (then no "Done." and an older reads file stays), and,
// after "Done.", when an input file could not be read.
Status import_reads(const ImportPlan& plan, Console& console, std::ostream& warnings);

// The whole run: "clear", banner, questions, import.
Status run_reads_importer(Console& console, std::ostream& warnings);

}  // namespace vesmar
