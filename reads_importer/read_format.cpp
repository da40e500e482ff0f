#include "reads_importer/read_format.h"

namespace vesmar {

std::optional<ReadFormat> read_format_named(std::string_view answer) {
  if (answer == "gseq") return ReadFormat::gseq;
  if (answer == "fastq") return ReadFormat::fastq;
  if (answer == "fasta") return ReadFormat::fasta;
  return std::nullopt;
}

}  // namespace vesmar
