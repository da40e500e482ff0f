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
// step) on the chromosomes of the package's layout (load_package_layout),
// warns of lines it left out, makes the Overview folder when it is missing
// and writes the page, which replaces an older one only once it is
// complete. Fails, before writing anything, when the layout file is no
// layout, none of the files exists or one cannot be read.
Result<RunOutcome> run_genome_overview(const GenomeOverviewSettings& settings, Console& console);

}  // namespace vesmar
