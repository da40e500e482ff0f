#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vesmar {

// Which of the genome's six chromosomes (an index into kGenomeChromosomes) a
// reference sequence of another aligner's files stands for: "I" to "X" as
// they are, and the spellings that references of the same genome use for
// them: a prefix "chr" or "chromosome" in any case, with or without an
// underscore, before the numeral ("chrI", "CHROMOSOME_I", "Chromosome_X").
// The numeral itself is compared exactly. Nothing for any other name
// (MtDNA, chrM, a plasmid).
std::optional<std::size_t> genome_chromosome_index(std::string_view name);

}  // namespace vesmar
