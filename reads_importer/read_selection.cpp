#include "reads_importer/read_selection.h"

#include "reads_importer/gseq_line.h"

namespace vesmar {

namespace {

constexpr int kFastqRecordLines = 4;
constexpr int kFastqSequenceLine = 2;

std::optional<std::string_view> fastq_read(int& hh, std::string_view line) {
  ++hh;
  if (hh == kFastqRecordLines) {
    hh = 0;
    return std::nullopt;
  }
  if (hh == kFastqSequenceLine) return line;
  return std::nullopt;
}

std::optional<std::string_view> fasta_read(std::string_view line) {
  if (line.find('>') != std::string_view::npos) return std::nullopt;
  return line;
}

}  // namespace

std::optional<std::string_view> read_in_line(ConversionState& state, std::string_view line) {
  switch (state.format) {
    case ReadFormat::gseq:
      return gseq_read(line);
    case ReadFormat::fastq:
      return fastq_read(state.hh, line);
    case ReadFormat::fasta:
      return fasta_read(line);
  }
  return std::nullopt;
}

}  // namespace vesmar
