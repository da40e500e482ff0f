#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "bench/genome_layout.h"
#include "engine/failure.h"

namespace vesmar::bench {

// The name of the single file that holds all six chromosomes.
inline constexpr std::string_view kGenomeFastaName = "genome.fa";
// The name of the file that holds the genome the alignment results describe.
inline constexpr std::string_view kReferenceFastaName = "reference.fa";

struct ChromosomeFilesSummary {
  std::int64_t bases = 0;            // in all chromosomes, without padding
  std::int64_t bytes = 0;            // of the separate files together
  std::int64_t reference_bases = 0;  // in reference.fa
};

// Writes into the Desktop under `home` one FASTA file per chromosome, chrI.fa
// to chrX.fa (the bases in upper case), and genome.fa, the same six records
// in one file. Each chromosome keeps the first `fraction` of its bases, so at
// the genome scale (fraction 1) the joiner's padded chromosomes start exactly
// at the scanners' offsets.
//
// Writes beside them reference.fa: the chromosomes as far as genome positions
// 1 to `positions` reach (those of the alignment results file), one record
// each, named as the region files name them. Below the genome scale the other
// chromosome files hold only a share of each chromosome, so this is the file
// that the scanners' VCF and an aligner's BAM file are checked against.
Result<ChromosomeFilesSummary> write_chromosome_files(const std::string& home, const Reference& reference,
                                                      double fraction, std::int64_t positions);

}  // namespace vesmar::bench
