#pragma once

#include <cstdint>
#include <string>

#include "bench/genome_layout.h"
#include "engine/failure.h"

namespace vesmar::bench {

// The name of the BAM file of the reads' true alignments, on the Desktop.
inline constexpr std::string_view kAlignmentBamName = "alignments.bam";

struct AlignmentBamSummary {
  std::int64_t reads = 0;
  std::int64_t failed_filter = 0;  // marked as failing the quality checks
  std::int64_t bytes = 0;
};

// Writes the BAM file at `path`, as an aligner and samtools sort would for
// reads of the package's coverage (on average `mean_depth` reads over a
// position) from the chromosomes of reference.fa (genome positions 1 to
// `positions`): the header names the chromosomes I to X with the lengths of
// their records there, and each read is a true alignment sorted by position,
// 36 bases drawn as those of the read files are (36M, FLAG 16 on the other
// strand, 0x200 for the one in ten that failed the instrument's filter,
// mapping quality 60, the read files' qualities). Reads start anywhere a
// whole read fits on a chromosome's own bases; how many start at a position
// is drawn from that position alone, so a smaller scale's file holds the
// genome-scale file's first reads.
Result<AlignmentBamSummary> write_alignment_bam(const std::string& path, const Reference& reference,
                                                std::uint64_t seed, std::int64_t positions, double mean_depth);

}  // namespace vesmar::bench
