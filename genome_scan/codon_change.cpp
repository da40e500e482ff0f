#include "genome_scan/codon_change.h"

#include <cstring>

#include "formats/alignment_results/alignment_windows.h"
#include "genome/bases.h"
#include "engine/number_reader.h"

namespace vesmar {

namespace {

constexpr char kAbsentBase = '?';

// A sequence that may be missing, read base by base; every index outside it
// gives the absent base.
class Bases {
 public:
  explicit Bases(std::optional<std::string_view> sequence) : sequence_(sequence.value_or("")) {}
  std::int64_t size() const { return static_cast<std::int64_t>(sequence_.size()); }
  char at(std::int64_t index) const {
    if (index < 0 || index >= size()) return kAbsentBase;
    return sequence_[static_cast<std::size_t>(index)];
  }
  // The n-th base from the end, counting the last as 1.
  char from_end(std::int64_t n) const { return at(size() - n); }

 private:
  std::string_view sequence_;
};

// The three reference bases of the hit's codon, in transcript orientation.
Codon reference_codon(ExonContext& exon, const ExonGeometry& geometry, int place) {
  const Bases seq(exon.sequence());
  const std::int64_t o = geometry.exon_offset;
  const std::int64_t r = geometry.bases_after;
  auto next = [&] { return Bases(exon.next_sequence()); };
  auto previous = [&] { return Bases(exon.previous_sequence()); };
  Codon codon;
  if (place == 1) {
    if (r >= 2) {
      codon = {seq.at(o), seq.at(o + 1), seq.at(o + 2)};
    } else if (r == 1) {
      codon = {seq.at(o), seq.at(o + 1), next().at(0)};
    } else {
      const Bases after = next();
      codon = {seq.at(o), after.at(0), after.at(1)};
    }
  } else if (place == 2) {
    if (o <= 0) {
      codon = {previous().from_end(1), seq.at(0), seq.at(1)};
    } else if (r <= 0) {
      codon = {seq.at(o - 1), seq.at(o), next().at(0)};
    } else {
      codon = {seq.at(o - 1), seq.at(o), seq.at(o + 1)};
    }
  } else {
    if (o <= 0) {
      const Bases before = previous();
      codon = {before.from_end(2), before.from_end(1), seq.at(0)};
    } else if (o == 1) {
      codon = {previous().from_end(1), seq.at(0), seq.at(1)};
    } else {
      codon = {seq.at(o - 2), seq.at(o - 1), seq.at(o)};
    }
  }
  return codon;
}

std::optional<char> first_character(std::string_view window) {
  if (window.empty()) return std::nullopt;
  return window.front();
}

}  // namespace

ExonContext::ExonContext(std::string_view region_name, const ExonSequences& sequences)
    : name_(region_name), sequences_(sequences), sequence_(sequences.find(region_name)) {}

void ExonContext::find_neighbours() {
  if (neighbours_found_) return;
  neighbours_found_ = true;
  if (std::optional<NeighbourNames> names = neighbour_exon_names(name_)) {
    next_ = sequences_.find(names->next);
    previous_ = sequences_.find(names->previous);
  }
}

std::optional<std::string_view> ExonContext::next_sequence() {
  find_neighbours();
  return next_;
}

std::optional<std::string_view> ExonContext::previous_sequence() {
  find_neighbours();
  return previous_;
}

int codon_position(int start_frame, std::int64_t coding_offset) {
  return static_cast<int>((start_frame - 1 + coding_offset % 3) % 3) + 1;
}

std::optional<NeighbourNames> neighbour_exon_names(std::string_view name) {
  const std::size_t found = name.find("exon");
  if (found == std::string_view::npos) return std::nullopt;
  const std::string prefix(name.substr(0, found + 4));
  const std::int64_t number = read_atoi(name.substr(found + 4));
  return NeighbourNames{prefix + std::to_string(number + 1), prefix + std::to_string(number - 1)};
}

std::size_t hit_column(std::string_view read_window, std::string_view reference_window) {
  return first_character(read_window) != first_character(reference_window) ? 0 : kWindowCentre;
}

std::optional<char> mutant_base(std::string_view read_window, std::string_view reference_window) {
  const std::size_t index = hit_column(read_window, reference_window);
  if (index >= read_window.size()) return std::nullopt;
  return read_window[index];
}

CodonChange codon_change(ExonContext& exon, const ExonGeometry& geometry,
                         std::string_view read_window, std::string_view reference_window,
                         const CodonTable& codons) {
  const int place = codon_position(geometry.start_frame, geometry.coding_offset);
  CodonChange change;
  change.wt_codon = reference_codon(exon, geometry, place);
  change.mut_codon = change.wt_codon;
  const char base = mutant_base(read_window, reference_window).value_or(kAbsentBase);
  if (!geometry.reverse) {
    change.mut_codon[place - 1] = base;
  } else if (is_lowercase_base(base)) {
    // Only the four lowercase bases are complemented; anything else leaves
    // the codon as it is.
    change.mut_codon[place - 1] = complement(base);
  }
  change.wt_amino_acid = codons.amino_acid(text_of(change.wt_codon));
  change.mut_amino_acid = codons.amino_acid(text_of(change.mut_codon));
  return change;
}

char* CodonChange::put(char* out) const {
  auto put_text = [&](std::string_view text) {
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    out += text.size();
  };
  put_text(text_of(wt_codon));
  *out++ = '(';
  put_text(wt_amino_acid);
  put_text(")->");
  put_text(text_of(mut_codon));
  *out++ = '(';
  put_text(mut_amino_acid);
  put_text(")        ");
  return out;
}

}  // namespace vesmar
