#include "bench/chromosome_files.h"

#include <algorithm>
#include <memory>

#include "common/output_file.h"
#include "common/package_paths.h"
#include "package_generator/fasta_file.h"
#include "package_generator/package_folders.h"

namespace vesmar::bench {

namespace {

// The first `count` bases of a chromosome, in upper case.
std::string uppercase_bases(const Chromosome& chromosome, std::int64_t count, const Reference& reference) {
  std::string bases(static_cast<std::size_t>(count), ' ');
  for (std::int64_t i = 0; i < count; ++i) {
    bases[static_cast<std::size_t>(i)] = static_cast<char>(reference.base(chromosome.first_position() + i) - 'a' + 'A');
  }
  return bases;
}

}  // namespace

Result<ChromosomeFilesSummary> write_chromosome_files(const std::string& home, const Reference& reference,
                                                      double fraction) {
  Result<std::unique_ptr<OutputFile>> genome_file =
      OutputFile::create(generator::path_under(home, kDesktopFolder, kGenomeFastaName), OutputFile::Mode::Replace);
  if (!genome_file.ok()) return genome_file.failure();
  ChromosomeFilesSummary summary;
  for (const Chromosome& chromosome : reference.chromosomes()) {
    const auto count = static_cast<std::int64_t>(static_cast<double>(chromosome.sequence_length) * fraction + 0.5);
    const std::string bases = uppercase_bases(chromosome, count, reference);
    Result<std::int64_t> own_file = generator::write_chromosome_file(home, chromosome.name, bases);
    if (!own_file.ok()) return own_file.failure();
    summary.bytes += own_file.value();
    generator::write_fasta_record(*genome_file.value(), chromosome.name, bases);
    summary.bases += count;
  }
  if (Status committed = genome_file.value()->commit(); !committed.ok()) return committed.failure();
  return summary;
}

Result<std::int64_t> write_reference_fasta(const std::string& home, const Reference& reference,
                                           std::int64_t positions) {
  Result<std::unique_ptr<OutputFile>> file =
      OutputFile::create(generator::path_under(home, kDesktopFolder, kReferenceFastaName), OutputFile::Mode::Replace);
  if (!file.ok()) return file.failure();
  std::int64_t bases = 0;
  for (const Chromosome& chromosome : reference.chromosomes()) {
    const std::int64_t count = std::min(chromosome.sequence_length, positions - chromosome.offset);
    if (count <= 0) break;
    generator::write_fasta_record(*file.value(), chromosome.name, uppercase_bases(chromosome, count, reference));
    bases += count;
  }
  if (Status committed = file.value()->commit(); !committed.ok()) return committed.failure();
  return bases;
}

}  // namespace vesmar::bench
