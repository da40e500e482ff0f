#include "bench/feature_files.h"

#include "bench/region_records.h"
#include "common/bases.h"
#include "common/package_paths.h"
#include "package_generator/exon_tables.h"
#include "package_generator/genetic_code_file.h"
#include "package_generator/package_folders.h"
#include "package_generator/region_file.h"

namespace vesmar::bench {

namespace {

std::vector<generator::ExonSequence> exon_sequences(const Reference& reference, const std::vector<Gene>& genes) {
  std::vector<generator::ExonSequence> sequences;
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      sequences.push_back({exon_name(gene, exon), exon_sequence(exon, gene.forward, reference)});
    }
  }
  return sequences;
}

std::vector<generator::ExonFrame> exon_frames(const std::vector<Gene>& genes) {
  std::vector<generator::ExonFrame> frames;
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      frames.push_back({exon_name(gene, exon), exon.five_prime_skip, exon.three_prime_skip, exon.start_frame});
    }
  }
  return frames;
}

}  // namespace

std::string exon_sequence(const Exon& exon, bool forward, const Reference& reference) {
  std::string bases;
  bases.reserve(static_cast<std::size_t>(exon.length()));
  // Region coordinate c is genome position c + 1.
  if (forward) {
    for (std::int64_t c = exon.start; c <= exon.end; ++c) bases.push_back(reference.base(c + 1));
  } else {
    for (std::int64_t c = exon.end; c >= exon.start; --c) bases.push_back(complement(reference.base(c + 1)));
  }
  return bases;
}

Result<FeatureSummary> write_feature_files(const std::string& home, const Reference& reference,
                                           const std::vector<Gene>& genes, std::int64_t positions) {
  const auto& chromosomes = reference.chromosomes();
  FeatureSummary summary;
  summary.genes = static_cast<std::int64_t>(genes.size());
  const std::vector<RegionRecord> exons = exon_regions(genes, chromosomes);
  const std::vector<RegionRecord> introns = intron_regions(genes, chromosomes);
  const std::vector<RegionRecord> intergenic = intergenic_regions(genes, chromosomes, positions);
  summary.exons = static_cast<std::int64_t>(exons.size());
  summary.introns = static_cast<std::int64_t>(introns.size());
  summary.intergenic_regions = static_cast<std::int64_t>(intergenic.size());
  auto path = [&](std::string_view name) { return generator::path_under(home, kFeatureLocationsFolder, name); };
  if (Status s = generator::write_region_file(path("cexons.txt"), exons); !s.ok()) return s.failure();
  if (Status s = generator::write_region_file(path("cintrons.txt"), introns); !s.ok()) return s.failure();
  if (Status s = generator::write_region_file(path("cintergenic.txt"), intergenic); !s.ok()) return s.failure();
  if (Status s = generator::write_exon_sequences(path("exon_sequences.txt"), exon_sequences(reference, genes)); !s.ok())
    return s.failure();
  if (Status s = generator::write_exon_frames(path("exon_frames.txt"), exon_frames(genes)); !s.ok()) return s.failure();
  if (Status s = generator::write_genetic_code(path("genetic_code.txt"), "Ter"); !s.ok()) return s.failure();
  return summary;
}

}  // namespace vesmar::bench
