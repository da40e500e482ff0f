#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"

namespace vesmar::generator {

// The two exon tables that the point scanner reads beside cexons.txt, each
// exon under its name there.

// exon_sequences.txt: two lines per exon, its name and its bases in
// transcript orientation (the reverse complement of the genome on the
// reverse strand).
struct ExonSequence {
  std::string name;
  std::string bases;
};
Status write_exon_sequences(const std::string& path, const std::vector<ExonSequence>& exons);

// exon_frames.txt: four lines per exon, its name, the bases it has before
// the coding part (five prime) and after it (three prime), and the codon
// place (1 to 3) of its first coding base.
struct ExonFrame {
  std::string name;
  int five_prime_skip = 0;
  int three_prime_skip = 0;
  int start_frame = 1;
};
Status write_exon_frames(const std::string& path, const std::vector<ExonFrame>& exons);

}  // namespace vesmar::generator
