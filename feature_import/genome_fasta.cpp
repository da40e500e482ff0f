#include "feature_import/genome_fasta.h"

#include "engine/line_reader.h"

namespace vesmar {

namespace {

std::string record_name(std::string_view header) {
  std::string_view rest = header.substr(header.find('>') + 1);
  const std::size_t end = rest.find_first_of(" \t\r");
  return std::string(rest.substr(0, end));
}

Status read_one_file(const std::string& path, std::vector<GenomeChromosome>& chromosomes) {
  const std::size_t first = chromosomes.size();
  std::int64_t line_number = 0;
  Status wrong;
  Result<LineReader> reader = LineReader::open(path, LineReader::Decoding::GzipByMagic);
  if (!reader.ok()) return reader.failure();
  Status read = read_each_line(reader.value(), [&](std::string_view line) {
    ++line_number;
    if (!wrong.ok()) return;
    if (line.find('>') != std::string_view::npos) {
      chromosomes.push_back({record_name(line), {}, path});
      return;
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) return;
    if (chromosomes.size() == first) {
      wrong = Failure{path + " line " + std::to_string(line_number) + ": sequence before the first header line (\">\")"};
      return;
    }
    std::string& bases = chromosomes.back().bases;
    const std::size_t at = bases.size();
    bases.append(line);
    for (std::size_t i = at; i < bases.size(); ++i) {
      if (bases[i] >= 'A' && bases[i] <= 'Z') bases[i] = static_cast<char>(bases[i] - 'A' + 'a');
    }
  });
  if (!read.ok()) return read;
  if (!wrong.ok()) return wrong;
  if (chromosomes.size() == first) return Failure{path + ": no chromosome in it (no header line \">\")"};
  return {};
}

}  // namespace

Result<std::vector<GenomeChromosome>> read_genome_fasta(const std::vector<std::string>& paths) {
  std::vector<GenomeChromosome> chromosomes;
  for (const std::string& path : paths) {
    if (Status read = read_one_file(path, chromosomes); !read.ok()) return read.failure();
  }
  return chromosomes;
}

}  // namespace vesmar
