#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "common/failure.h"

namespace vesmar::bench {

// The names of the separate chromosome files, in joining order.
std::array<std::string, kChromosomeCount> chromosome_file_names();
// The name of the single file that holds all six chromosomes.
inline constexpr std::string_view kGenomeFastaName = "genome.fa";

struct ChromosomeFilesSummary {
  std::int64_t bases = 0;  // in all chromosomes, without padding
  std::int64_t bytes = 0;  // of the separate files together
};

// Writes into `folder` (the Desktop) one FASTA file per chromosome (a header
// line ">" + name, then the bases in upper case, 60 to a line) and
// genome.fa, the same six records in one file. Each chromosome keeps the
// first `fraction` of its bases, so at the genome scale (fraction 1) the
// joiner's padded chromosomes start exactly at the scanners' offsets.
Result<ChromosomeFilesSummary> write_chromosome_files(const std::string& folder, const Reference& reference,
                                                      double fraction);

}  // namespace vesmar::bench
