#include "reads_importer/read_selection.h"

#include "reads_importer/gseq_line.h"

namespace vesmar {

namespace {

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
      if (fastq_line_is_read(state.hh)) return line;
      return std::nullopt;
    case ReadFormat::fasta:
      return fasta_read(line);
  }
  return std::nullopt;
}

}  // namespace vesmar
