#include "package_generator/fasta_file.h"

#include "package_generator/whole_file.h"

namespace vesmar::generator {

std::string chromosome_file_name(std::string_view chromosome) {
  return "chr" + std::string(chromosome) + ".fa";
}

std::int64_t write_fasta_record(OutputFile& file, std::string_view name, std::string_view bases) {
  file.put('>');
  write_line(file, name);
  for (std::size_t at = 0; at < bases.size(); at += kFastaLineLength) {
    write_line(file, bases.substr(at, kFastaLineLength));
  }
  const std::size_t lines = (bases.size() + kFastaLineLength - 1) / kFastaLineLength;
  return static_cast<std::int64_t>(1 + name.size() + 1 + bases.size() + lines);
}

}  // namespace vesmar::generator
