#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "reads_importer/reads_importer_settings.h"

namespace vesmar {

// Reads_importer's dialogue: clears the screen, shows the banner and asks
// the four questions: the first name, the format (until one of the three
// names is typed), the count, and one file name per file (each until
// something exists at its path). Each answer is a whole line. Fails when
// standard input ends while a question that the empty answer could never
// satisfy is waiting, and on an absurd count.
Result<ReadsImporterSettings> ask_reads_importer_settings(Console& console);

// The whole dialogue run: the questions, then the run.
Status run_reads_importer_dialogue(Console& console);

}  // namespace vesmar
