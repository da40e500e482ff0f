#include "point_scan/codon_change.h"

#include "common/number_reader.h"

namespace vesmar {

namespace {

constexpr char kAbsentBase = '?';
constexpr std::string_view kUnknownAminoAcid = "???";

// A sequence that may be missing, read base by base; every index outside it
// gives the absent base.
class Bases {
 public:
  explicit Bases(const std::string* sequence) : sequence_(sequence) {}
  std::int64_t size() const { return sequence_ ? static_cast<std::int64_t>(sequence_->size()) : 0; }
  char at(std::int64_t index) const {
    if (index < 0 || index >= size()) return kAbsentBase;
    return (*sequence_)[static_cast<std::size_t>(index)];
  }
  // The n-th base from the end, counting the last as 1.
  char from_end(std::int64_t n) const { return at(size() - n); }

 private:
  const std::string* sequence_;
};

const std::string* find_sequence(const ExonSequences& sequences, std::string_view name) {
  auto found = sequences.find(std::string(name));
  return found == sequences.end() ? nullptr : &found->second;
}

// A neighbour exon's bases, looked up only when a codon needs them.
Bases neighbour(const ExonSequences& sequences, std::string_view region_name, bool next) {
  std::optional<NeighbourNames> names = neighbour_exon_names(region_name);
  if (!names) return Bases(nullptr);
  return Bases(find_sequence(sequences, next ? names->next : names->previous));
}

// The three reference bases of the hit's codon, in transcript orientation.
std::string reference_codon(std::string_view region_name, const ExonGeometry& geometry, int place,
                            const ExonSequences& sequences) {
  const Bases seq(find_sequence(sequences, region_name));
  const std::int64_t o = geometry.exon_offset;
  const std::int64_t r = geometry.bases_after;
  auto next = [&] { return neighbour(sequences, region_name, true); };
  auto previous = [&] { return neighbour(sequences, region_name, false); };
  std::string codon(3, kAbsentBase);
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

std::optional<char> complement(char base) {
  switch (base) {
    case 'g': return 'c';
    case 'a': return 't';
    case 't': return 'a';
    case 'c': return 'g';
    default: return std::nullopt;
  }
}

std::string_view amino_acid(const GeneticCode& code, const std::string& codon) {
  auto found = code.find(codon);
  return found == code.end() ? kUnknownAminoAcid : std::string_view(found->second);
}

std::optional<char> first_character(std::string_view window) {
  if (window.empty()) return std::nullopt;
  return window.front();
}

}  // namespace

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

bool hit_at_first_column(std::string_view read_window, std::string_view reference_window) {
  return first_character(read_window) != first_character(reference_window);
}

std::optional<char> mutant_base(std::string_view read_window, std::string_view reference_window) {
  const std::size_t index = hit_at_first_column(read_window, reference_window) ? 0 : 12;
  if (index >= read_window.size()) return std::nullopt;
  return read_window[index];
}

std::string codon_change_text(std::string_view region_name, const ExonGeometry& geometry,
                              std::string_view read_window, std::string_view reference_window,
                              const ExonTables& tables) {
  const int place = codon_position(geometry.start_frame, geometry.coding_offset);
  const std::string wt_codon = reference_codon(region_name, geometry, place, tables.sequences);
  std::string mut_codon = wt_codon;
  const char base = mutant_base(read_window, reference_window).value_or(kAbsentBase);
  if (!geometry.reverse) {
    mut_codon[place - 1] = base;
  } else if (std::optional<char> complemented = complement(base)) {
    mut_codon[place - 1] = *complemented;
  }
  std::string text;
  text.reserve(34);
  text += wt_codon;
  text += '(';
  text += amino_acid(tables.genetic_code, wt_codon);
  text += ")->";
  text += mut_codon;
  text += '(';
  text += amino_acid(tables.genetic_code, mut_codon);
  text += ")        ";
  return text;
}

}  // namespace vesmar
