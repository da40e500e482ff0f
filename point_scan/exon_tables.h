#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "common/failure.h"

namespace vesmar {

// Codon (three lowercase bases) to amino-acid text (up to three characters),
// from genetic_code.txt: the first three characters of a line are the codon,
// the next three at most the amino acid; a later line for a codon wins.
using GeneticCode = std::unordered_map<std::string, std::string>;

// Exon name to its sequence in transcript orientation, from
// exon_sequences.txt: a name line, then a sequence line; a later pair wins.
using ExonSequences = std::unordered_map<std::string, std::string>;

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
using ExonFrames = std::unordered_map<std::string, ExonFrame>;

// The three exon tables that exon mode needs.
struct ExonTables {
  GeneticCode genetic_code;
  ExonSequences sequences;
  ExonFrames frames;
};

Result<GeneticCode> load_genetic_code(const std::string& path);
Result<ExonSequences> load_exon_sequences(const std::string& path);
Result<ExonFrames> load_exon_frames(const std::string& path);

// Loads genetic_code.txt, exon_sequences.txt and exon_frames.txt from the
// feature locations folder, in this order.
Result<ExonTables> load_exon_tables();

}  // namespace vesmar
