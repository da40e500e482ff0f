#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "alignment_counts/genome_plan.h"
#include "alignment_counts/reference_fasta.h"
#include "engine/failure.h"

namespace vesmar {

// For each chromosome of the plan, the index of its record in the reference
// FASTA file: the record of the name the alignment file's header gives it,
// else the one that spells the same chromosome otherwise ("I" for "chrI").
// Fails when a chromosome has no record, or one of another length: the
// reads were then aligned to another reference, and no count would stand
// at its place.
Result<std::vector<std::size_t>> match_reference(const GenomePlan& plan, std::span<const ReferenceRecord> records,
                                                 std::string_view reference_path, std::string_view alignment_path);

}  // namespace vesmar
