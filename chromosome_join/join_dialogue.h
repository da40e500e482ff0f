#pragma once

#include <iosfwd>

#include "common/console.h"
#include "common/failure.h"

namespace vesmar {

// The whole run of Chromosome_join: "clear", the banner and mode question,
// then one of
//   "m"  the count, one name per chromosome file (each checked at once), the
//        genome file name, and the join of the files in that order;
//   "s"  the name of one FASTA file and the genome file name, and the join of
//        its records;
//   anything else: "no such option, type m or s", and a normal end.
// The genome sequence file goes to Desktop/vesmar/Genome_sequences/ and is
// written in place, so a failed join leaves the chromosomes joined before it.
//
// Fails with the "no such file name" failure (see join_failure.h) when a
// chromosome file cannot be opened, before the genome sequence file is
// created in single-file mode; and with exit status 1 when the genome
// sequence file cannot be created or written or a chromosome file cannot be
// read to its end. A write failure that follows a failed join is told on
// `warnings`, as the join's failure is the one the run ends with.
Status run_chromosome_join(Console& console, std::ostream& warnings);

}  // namespace vesmar
