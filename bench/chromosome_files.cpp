#include "bench/chromosome_files.h"

#include <algorithm>
#include <memory>

#include "common/output_file.h"

namespace vesmar::bench {

namespace {

constexpr std::int64_t kLineLength = 60;

// Writes one chromosome record to both files; returns its size in bytes.
std::int64_t write_record(const Chromosome& chromosome, std::int64_t bases, const Reference& reference,
                          OutputFile& own_file, OutputFile& genome_file) {
  std::string text(1, '>');
  text.append(chromosome.name);
  text.push_back('\n');
  std::int64_t bytes = 0;
  for (std::int64_t done = 0; done < bases;) {
    const std::int64_t line = std::min(kLineLength, bases - done);
    for (std::int64_t i = 0; i < line; ++i) {
      text.push_back(static_cast<char>(reference.base(chromosome.first_position() + done + i) - 'a' + 'A'));
    }
    text.push_back('\n');
    done += line;
    if (text.size() >= (1u << 16) || done == bases) {
      own_file.write(text);
      genome_file.write(text);
      bytes += static_cast<std::int64_t>(text.size());
      text.clear();
    }
  }
  if (!text.empty()) {  // a chromosome without bases: its header alone
    own_file.write(text);
    genome_file.write(text);
    bytes += static_cast<std::int64_t>(text.size());
  }
  return bytes;
}

}  // namespace

std::array<std::string, kChromosomeCount> chromosome_file_names() {
  return {"chrI.fa", "chrII.fa", "chrIII.fa", "chrIV.fa", "chrV.fa", "chrX.fa"};
}

Result<ChromosomeFilesSummary> write_chromosome_files(const std::string& folder, const Reference& reference,
                                                      double fraction) {
  Result<std::unique_ptr<OutputFile>> genome_file =
      OutputFile::create(folder + "/" + std::string(kGenomeFastaName), OutputFile::Mode::Replace);
  if (!genome_file.ok()) return genome_file.failure();
  const auto names = chromosome_file_names();
  ChromosomeFilesSummary summary;
  for (int c = 0; c < kChromosomeCount; ++c) {
    const Chromosome& chromosome = reference.chromosomes()[c];
    Result<std::unique_ptr<OutputFile>> own_file = OutputFile::create(folder + "/" + names[c], OutputFile::Mode::Replace);
    if (!own_file.ok()) return own_file.failure();
    const auto bases = static_cast<std::int64_t>(static_cast<double>(chromosome.sequence_length) * fraction + 0.5);
    summary.bytes += write_record(chromosome, bases, reference, *own_file.value(), *genome_file.value());
    summary.bases += bases;
    if (Status committed = own_file.value()->commit(); !committed.ok()) return committed.failure();
  }
  if (Status committed = genome_file.value()->commit(); !committed.ok()) return committed.failure();
  return summary;
}

}  // namespace vesmar::bench
