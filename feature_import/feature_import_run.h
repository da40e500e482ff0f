#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "feature_import/feature_import_settings.h"

namespace vesmar {

inline constexpr std::string_view kFeatureImport = "Feature_import";

// A Feature_import run from its settings: reads the FASTA files (the genome's
// layout: checked against Feature_locations/chromosomes.txt when there is
// one, written there otherwise), then the annotation in one streaming pass,
// and writes the six feature location files, which replace the older ones
// together, all six or none. Warns of what it left out; fails, writing
// nothing, for bad input (naming the file and line) and for an annotation
// with nothing coding on the genome's chromosomes.
Result<RunOutcome> run_feature_import(const FeatureImportSettings& settings, Console& console);

}  // namespace vesmar
