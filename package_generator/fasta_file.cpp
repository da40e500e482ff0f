#include "package_generator/fasta_file.h"

#include "genome/package_paths.h"
#include "package_generator/package_folders.h"
#include "package_generator/whole_file.h"

namespace vesmar::generator {

std::int64_t write_fasta_record(OutputFile& file, std::string_view name, std::string_view bases) {
  file.put('>');
  write_line(file, name);
  for (std::size_t at = 0; at < bases.size(); at += kFastaLineLength) {
    write_line(file, bases.substr(at, kFastaLineLength));
  }
  const std::size_t lines = (bases.size() + kFastaLineLength - 1) / kFastaLineLength;
  return static_cast<std::int64_t>(1 + name.size() + 1 + bases.size() + lines);
}

Result<std::int64_t> write_chromosome_file(const std::string& home, std::string_view name,
                                           std::string_view bases) {
  const std::string path = path_under(home, kDesktopFolder, "chr" + std::string(name) + ".fa");
  std::int64_t bytes = 0;
  Status written =
      write_whole_file(path, [&](OutputFile& file) { bytes = write_fasta_record(file, name, bases); });
  if (!written.ok()) return written.failure();
  return bytes;
}

}  // namespace vesmar::generator
