#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "genome_overview/genome_overview_settings.h"

namespace vesmar {

inline constexpr std::string_view kGenomeOverview = "Genome_overview";

// A Genome_overview run from its settings: reads the VCFs and BEDs of the
// first name that exist (each in one streaming pass, the files of a kind in
// step), warns of lines it left out, makes the Overview folder when it is
// missing and writes the page, which replaces an older one only once it is
// complete. Fails, before writing anything, when none of the files exists
// or one cannot be read.
Result<RunOutcome> run_genome_overview(const GenomeOverviewSettings& settings, Console& console);

}  // namespace vesmar
