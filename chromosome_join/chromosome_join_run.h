#pragma once

#include <string_view>

#include "engine/console.h"
#include "engine/failure.h"
#include "engine/run_outcome.h"
#include "chromosome_join/chromosome_join_settings.h"

namespace vesmar {

inline constexpr std::string_view kChromosomeJoin = "Chromosome_join";

// A Chromosome_join run from its settings: joins the chromosome files into
// the genome sequence file, which replaces an older one only once the join is
// complete. Fails with the "no such file name" failure (see join_failure.h)
// when a chromosome file cannot be opened, and with exit status 1 when the
// genome sequence file cannot be created or written or a chromosome file
// cannot be read to its end; an older genome sequence file then stays as it
// was.
Result<RunOutcome> run_chromosome_join(const ChromosomeJoinSettings& settings, Console& console);

}  // namespace vesmar
