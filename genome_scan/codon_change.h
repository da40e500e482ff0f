#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "genome_scan/codon_table.h"
#include "formats/feature_locations/exon_tables.h"
#include "genome_scan/region_mapping.h"

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

// The windows' column where the hit stands, and the report's marker: the
// first (0) when their first characters differ, else kWindowCentre.
std::size_t hit_column(std::string_view read_window, std::string_view reference_window);

// The sequences the codons of one exon may need: its own, looked up once,
// and its neighbours', looked up the first time a codon needs them. A
// sequence that is not there is none.
class ExonContext {
 public:
  ExonContext(std::string_view region_name, const ExonSequences& sequences);
  std::optional<std::string_view> sequence() const { return sequence_; }
  std::optional<std::string_view> next_sequence();
  std::optional<std::string_view> previous_sequence();

 private:
  void find_neighbours();

  std::string_view name_;
  const ExonSequences& sequences_;
  std::optional<std::string_view> sequence_;
  bool neighbours_found_ = false;
  std::optional<std::string_view> next_;
  std::optional<std::string_view> previous_;
};

using Codon = std::array<char, 3>;
inline std::string_view text_of(const Codon& codon) { return std::string_view(codon.data(), 3); }

// The two codons of a coding hit and their amino acids. The report's codon
// column shows them as
//   wt_codon(aa)->mut_codon(aa) followed by eight blanks,
// 26 characters with three-letter amino acids.
struct CodonChange {
  Codon wt_codon;
  Codon mut_codon;
  std::string_view wt_amino_acid;
  std::string_view mut_amino_acid;

  // The longest text it makes.
  std::size_t text_size() const { return 6 + wt_amino_acid.size() + mut_amino_acid.size() + 14; }
  // Writes the text at `out` (room for text_size()) and returns its end.
  char* put(char* out) const;
};

// The codon change of a coding hit in `exon` (whose sequences may already be
// known from the hits before it). The reference codon comes from the exon's
// sequence, reaching into the next or the previous exon when an exon
// boundary splits it; the mutant base is complemented on a reverse-strand
// exon. A base that is not there (a short sequence, a missing neighbour) is
// "?", and so is a missing mutant base; a codon missing from the genetic
// code has the amino acid "???".
CodonChange codon_change(ExonContext& exon, const ExonGeometry& geometry,
                         std::string_view read_window, std::string_view reference_window,
                         const CodonTable& codons);

}  // namespace vesmar
