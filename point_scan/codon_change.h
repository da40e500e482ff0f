#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "point_scan/exon_tables.h"
#include "point_scan/region_mapping.h"

namespace vesmar {

// The place (1, 2 or 3) of a coding base in its codon: the exon's first
// coding base has `start_frame`, and the places run 1, 2, 3, 1, ... along the
// coding bases. `start_frame` must be 1, 2 or 3 and `coding_offset` >= 0.
int codon_position(int start_frame, std::int64_t coding_offset);

// The names of the exons after and before `name`: the text up to and
// including the first "exon", followed by the leading number after it plus or
// minus one. None when the name holds no "exon".
struct NeighbourNames {
  std::string next;
  std::string previous;
};
std::optional<NeighbourNames> neighbour_exon_names(std::string_view name);

// The base that the reads put at the hit: the first character of the read
// window when the two windows begin differently, else its thirteenth. An
// empty window has no first character; two absent first characters are
// equal. None when the read window has no character at that index.
std::optional<char> mutant_base(std::string_view read_window, std::string_view reference_window);

// Whether the hit stands at the windows' first column (their first characters
// differ) rather than at their thirteenth.
bool hit_at_first_column(std::string_view read_window, std::string_view reference_window);

// The report's codon change text for a coding hit:
//   wt_codon(aa)->mut_codon(aa) followed by eight blanks.
// The reference codon comes from the exon's sequence, reaching into the next
// or the previous exon when an exon boundary splits it; the mutant base is
// complemented on a reverse-strand exon. A base that is not there (a short
// sequence, a missing neighbour) is written "?", and so is a missing mutant
// base; a codon missing from the genetic code has the amino acid "???".
std::string codon_change_text(std::string_view region_name, const ExonGeometry& geometry,
                              std::string_view read_window, std::string_view reference_window,
                              const ExonTables& tables);

}  // namespace vesmar
