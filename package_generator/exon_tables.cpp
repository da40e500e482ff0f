#include "package_generator/exon_tables.h"

#include "package_generator/whole_file.h"

namespace vesmar::generator {

Status write_exon_sequences(const std::string& path, const std::vector<ExonSequence>& exons) {
  return write_whole_file(path, [&](OutputFile& file) {
    for (const ExonSequence& exon : exons) {
      write_line(file, exon.name);
      write_line(file, exon.bases);
    }
  });
}

Status write_exon_frames(const std::string& path, const std::vector<ExonFrame>& exons) {
  return write_whole_file(path, [&](OutputFile& file) {
    for (const ExonFrame& exon : exons) {
      write_line(file, exon.name);
      write_line(file, std::to_string(exon.five_prime_skip));
      write_line(file, std::to_string(exon.three_prime_skip));
      write_line(file, std::to_string(exon.start_frame));
    }
  });
}

}  // namespace vesmar::generator
