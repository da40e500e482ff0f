#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "engine/failure.h"
#include "engine/line_reader.h"
#include "engine/text_arena.h"
#include "formats/feature_locations/name_table.h"

namespace vesmar {

// Codon (three lowercase bases) to amino-acid text (up to three characters),
// from genetic_code.txt: the first three characters of a line are the codon,
// the next three at most the amino acid; a later line for a codon wins.
using GeneticCode = std::unordered_map<std::string, std::string>;

// Exon name to its sequence in transcript orientation, from
// exon_sequences.txt: a name line, then a sequence line; a later pair wins.
// The texts are kept in an arena: a genome has hundreds of thousands.
class ExonSequences {
 public:
  ExonSequences() = default;
  ExonSequences(std::initializer_list<std::pair<std::string_view, std::string_view>> entries);

  void set(std::string_view name, std::string_view sequence);
  std::optional<std::string_view> find(std::string_view name) const;
  std::size_t size() const { return by_name_.size(); }
  // The (name, sequence) pairs, in no particular order.
  auto begin() const { return by_name_.begin(); }
  auto end() const { return by_name_.end(); }

 private:
  TextArena texts_;
  NameTable<std::string_view> by_name_;
};

// The coding part of an exon, from exon_frames.txt: a name line, then the
// bases outside the coding part at the 5' end and at the 3' end, then the
// codon place (1, 2 or 3) of the first coding base. Lines of a group that are
// missing leave their value 0; a start_frame of 0 marks an exon whose frame
// is unknown.
struct ExonFrame {
  std::int32_t five_prime_skip = 0;
  std::int32_t three_prime_skip = 0;
  std::int32_t start_frame = 0;
};

// Exon name to its frame, from exon_frames.txt.
class ExonFrames {
 public:
  ExonFrames() = default;
  ExonFrames(std::initializer_list<std::pair<std::string_view, ExonFrame>> entries);

  // The frame of `name`, made (all 0) when the name is new.
  ExonFrame& operator[](std::string_view name);
  const ExonFrame* find(std::string_view name) const;
  std::size_t size() const { return by_name_.size(); }
  // The (name, frame) pairs, in no particular order.
  auto begin() const { return by_name_.begin(); }
  auto end() const { return by_name_.end(); }

 private:
  NameTable<ExonFrame> by_name_;
};

// The three exon tables that exon mode needs.
struct ExonTables {
  GeneticCode genetic_code;
  ExonSequences sequences;
  ExonFrames frames;
};

// Each loader adds its file's path to `windows_line_ends`, when given, if
// the file has Windows line ends.
Result<GeneticCode> load_genetic_code(const std::string& path, WindowsLineEndFiles* windows_line_ends = nullptr);
Result<ExonSequences> load_exon_sequences(const std::string& path, WindowsLineEndFiles* windows_line_ends = nullptr);
Result<ExonFrames> load_exon_frames(const std::string& path, WindowsLineEndFiles* windows_line_ends = nullptr);

// The files of the three exon tables, in the order they are loaded.
inline constexpr std::string_view kGeneticCodeFile = "genetic_code.txt";
inline constexpr std::string_view kExonSequencesFile = "exon_sequences.txt";
inline constexpr std::string_view kExonFramesFile = "exon_frames.txt";

// Loads genetic_code.txt, exon_sequences.txt and exon_frames.txt from the
// feature locations folder, in this order; those read that have Windows line
// ends are added to `windows_line_ends`, when given.
Result<ExonTables> load_exon_tables(WindowsLineEndFiles* windows_line_ends = nullptr);

}  // namespace vesmar
