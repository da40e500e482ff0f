#pragma once

#include <string_view>

#include "common/console.h"
#include "common/failure.h"
#include "chromosome_join/chromosome_join_settings.h"

namespace vesmar {

inline constexpr std::string_view kChromosomeJoin = "Chromosome_join";

// A Chromosome_join run from its settings: joins the chromosome files into
// the genome sequence file, which is written in place, so a failed join
// leaves the chromosomes joined before it. Fails with the "no such file
// name" failure (see join_failure.h) when a chromosome file cannot be opened
// (in single-file mode before the genome sequence file is created), and with
// exit status 1 when the genome sequence file cannot be created or written or
// a chromosome file cannot be read to its end. A write failure that follows a
// failed join is told as a warning, since the join's failure is the one the
// run ends with.
Status run_chromosome_join(const ChromosomeJoinSettings& settings, Console& console);

}  // namespace vesmar
