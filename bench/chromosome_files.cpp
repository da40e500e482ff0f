#include "bench/chromosome_files.h"

#include <algorithm>
#include <memory>

#include "engine/output_file.h"
#include "genome/package_paths.h"
#include "package_generator/fasta_file.h"
#include "package_generator/package_folders.h"

namespace vesmar::bench {

Result<ChromosomeFilesSummary> write_chromosome_files(const std::string& home, const Reference& reference,
                                                      double fraction, std::int64_t positions) {
  auto create = [&](std::string_view name) {
    return OutputFile::create(generator::path_under(home, kDesktopFolder, name), OutputFile::Mode::Replace);
  };
  Result<std::unique_ptr<OutputFile>> genome_file = create(kGenomeFastaName);
  if (!genome_file.ok()) return genome_file.failure();
  Result<std::unique_ptr<OutputFile>> reference_file = create(kReferenceFastaName);
  if (!reference_file.ok()) return reference_file.failure();
  ChromosomeFilesSummary summary;
  for (const Chromosome& chromosome : reference.chromosomes()) {
    const auto count = static_cast<std::int64_t>(static_cast<double>(chromosome.sequence_length) * fraction + 0.5);
    const std::int64_t reference_count = std::min(chromosome.sequence_length, positions - chromosome.offset);
    // Both files take a start of the same bases, so they are made once, for
    // the longer of the two; one chromosome at a time keeps memory bounded.
    const std::string bases = reference.uppercase_bases(chromosome, std::max(count, reference_count));
    const std::string_view own_bases = std::string_view(bases).substr(0, static_cast<std::size_t>(count));
    Result<std::int64_t> own_file = generator::write_chromosome_file(home, chromosome.name, own_bases);
    if (!own_file.ok()) return own_file.failure();
    summary.bytes += own_file.value();
    generator::write_fasta_record(*genome_file.value(), chromosome.name, own_bases);
    summary.bases += count;
    // Chromosomes that start beyond the alignment results file's positions
    // are left out of reference.fa.
    if (reference_count > 0) {
      generator::write_fasta_record(*reference_file.value(), chromosome.name,
                                    std::string_view(bases).substr(0, static_cast<std::size_t>(reference_count)));
      summary.reference_bases += reference_count;
    }
  }
  if (Status committed = genome_file.value()->commit(); !committed.ok()) return committed.failure();
  if (Status committed = reference_file.value()->commit(); !committed.ok()) return committed.failure();
  return summary;
}

}  // namespace vesmar::bench
