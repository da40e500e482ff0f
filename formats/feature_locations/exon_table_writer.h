#pragma once

#include <string>
#include <vector>

#include "engine/failure.h"
#include "engine/output_file.h"
#include "formats/feature_locations/exon_tables.h"

namespace vesmar {

// The two exon tables that the point scanner reads beside cexons.txt, each
// exon under its name there, as they are written (exon_tables.h reads them).

// exon_sequences.txt: two lines per exon, its name and its bases in
// transcript orientation (the reverse complement of the genome on the
// reverse strand).
struct ExonSequence {
  std::string name;
  std::string bases;
};
Status write_exon_sequences(const std::string& path, const std::vector<ExonSequence>& exons);
void put_exon_sequences(OutputFile& file, const std::vector<ExonSequence>& exons);

// exon_frames.txt: four lines per exon, its name, the bases it has before
// the coding part (five prime) and after it (three prime), and the codon
// place (1 to 3) of its first coding base: the frame as the reader gives it.
struct NamedExonFrame {
  std::string name;
  ExonFrame frame;
};
Status write_exon_frames(const std::string& path, const std::vector<NamedExonFrame>& exons);
void put_exon_frames(OutputFile& file, const std::vector<NamedExonFrame>& exons);

}  // namespace vesmar
