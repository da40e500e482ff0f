#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "examples/example_lanes.h"

namespace vesmar::example {

// The example's reads as another aligner would write them in SAM: their true
// alignments, sorted by position (the order they were sequenced in), for
// Alignment_counts and for samtools. A header line for chromosome I, then one
// record per read that aligns without a gap: its 36 bases in the genome's
// orientation (FLAG 16 and the reverse complement for a read of the other
// strand), the 32 aligned ones as M and the 4 the instrument read past them
// soft-clipped (32M4S, or 4S32M on the other strand), mapping quality 60, and
// the qualities of the FASTQ files in Phred+33. A read is named as the FASTQ
// files name it, less its "/1".
std::string sam_text(const std::array<std::vector<ListedRead>, 2>& lanes, const std::vector<SequencedRead>& reads,
                     std::string_view name_prefix);

}  // namespace vesmar::example
