#pragma once

#include "engine/console.h"
#include "engine/failure.h"
#include "feature_import/feature_import_settings.h"

namespace vesmar {

// Feature_import's dialogue, in the importers' manner: clears the screen,
// shows the banner and asks, each answer a whole line, the annotation file,
// the count and names of the chromosome FASTA files, the sequences to leave
// out, whether to keep every coding transcript and the genetic code. An
// answer that cannot be used (a file that does not exist, a count or code
// that is none, an answer other than y or n) is explained in a warning and
// asked again; standard input ending at a question fails, naming it.
Result<FeatureImportSettings> ask_feature_import_settings(Console& console);

// The whole dialogue run: the questions, then the run.
Status run_feature_import_dialogue(Console& console);

}  // namespace vesmar
