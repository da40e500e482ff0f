#pragma once

#include "engine/fixed_width.h"

namespace vesmar {

// The columns both scanners' reports begin with: the row's number and its
// region (name, chromosome, strand).
inline constexpr Column kNumberColumn{"Number", 11};
inline constexpr Column kRegionColumn{"Exon", 19};  // the same heading for introns and intergenic regions
inline constexpr Column kChromosomeColumn{"Chrom.", 11};
inline constexpr Column kStrandColumn{"Strand", 11};

}  // namespace vesmar
