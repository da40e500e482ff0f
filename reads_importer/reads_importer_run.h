#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "reads_importer/reads_importer_settings.h"

namespace vesmar {

inline constexpr std::string_view kReadsImporter = "Reads_importer";

// A Reads_importer run from its settings: every input file in turn,
// announced on a "Reading " line, converted into one reads file that
// replaces an older one only once it is complete; then "Done.".
//
// Fails, leaving an older reads file as it was and printing no "Done.", when
// the reads file cannot be created or written, or an input file cannot be
// opened or read to its end. A FASTQ file whose line count is not a multiple
// of four, a file that looks like the other of FASTA and FASTQ, and a file
// that gives no reads get a warning.
Result<RunOutcome> run_reads_importer(const ReadsImporterSettings& settings, Console& console);

}  // namespace vesmar
