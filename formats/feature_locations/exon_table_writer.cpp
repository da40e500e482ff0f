#include "formats/feature_locations/exon_table_writer.h"

#include <array>
#include <string_view>

#include "engine/whole_file.h"

namespace vesmar {

namespace {

std::array<std::string_view, 2> sequence_lines(const ExonSequence& exon) {
  return std::array<std::string_view, 2>{exon.name, exon.bases};
}

std::array<std::string, 4> frame_lines(const NamedExonFrame& exon) {
  return std::array<std::string, 4>{exon.name, std::to_string(exon.frame.five_prime_skip),
                                    std::to_string(exon.frame.three_prime_skip), std::to_string(exon.frame.start_frame)};
}

}  // namespace

Status write_exon_sequences(const std::string& path, const std::vector<ExonSequence>& exons) {
  return write_line_groups(path, exons, sequence_lines);
}

void put_exon_sequences(OutputFile& file, const std::vector<ExonSequence>& exons) {
  put_line_groups(file, exons, sequence_lines);
}

Status write_exon_frames(const std::string& path, const std::vector<NamedExonFrame>& exons) {
  return write_line_groups(path, exons, frame_lines);
}

void put_exon_frames(OutputFile& file, const std::vector<NamedExonFrame>& exons) {
  put_line_groups(file, exons, frame_lines);
}

}  // namespace vesmar
