#include "package_generator/exon_tables.h"

#include <array>
#include <string_view>

#include "package_generator/whole_file.h"

namespace vesmar::generator {

Status write_exon_sequences(const std::string& path, const std::vector<ExonSequence>& exons) {
  return write_line_groups(path, exons, [](const ExonSequence& exon) {
    return std::array<std::string_view, 2>{exon.name, exon.bases};
  });
}

Status write_exon_frames(const std::string& path, const std::vector<ExonFrame>& exons) {
  return write_line_groups(path, exons, [](const ExonFrame& exon) {
    return std::array<std::string, 4>{exon.name, std::to_string(exon.five_prime_skip),
                                      std::to_string(exon.three_prime_skip),
                                      std::to_string(exon.start_frame)};
  });
}

}  // namespace vesmar::generator
