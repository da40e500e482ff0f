#pragma once

#include <string_view>

#include "common/console.h"
#include "common/failure.h"
#include "reads_importer/reads_importer_settings.h"

namespace vesmar {

inline constexpr std::string_view kReadsImporter = "Reads_importer";

// A Reads_importer run from its settings: every input file in turn,
// announced on a "Reading " line, converted into one reads file that
// replaces an older one only once it is complete; then "Done.".
//
// An input file that cannot be opened or read to its end, and a FASTQ file
// whose line count is not a multiple of four, get a warning; the other files
// are still converted. Fails when the reads file cannot be created or
// written (then no "Done." and an older reads file stays), and, after
// "Done.", when an input file could not be read.
Status run_reads_importer(const ReadsImporterSettings& settings, Console& console);

}  // namespace vesmar
