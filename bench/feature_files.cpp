#include "bench/feature_files.h"

#include "bench/region_records.h"
#include "genome/bases.h"
#include "package_generator/feature_locations.h"

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
  const generator::FeatureLocations features{exon_regions(genes, chromosomes),
                                             intron_regions(genes, chromosomes),
                                             intergenic_regions(genes, chromosomes, positions),
                                             exon_sequences(reference, genes),
                                             exon_frames(genes),
                                             "Ter"};
  if (Status written = generator::write_feature_locations(home, features); !written.ok()) return written.failure();
  auto count = [](const auto& list) { return static_cast<std::int64_t>(list.size()); };
  return FeatureSummary{count(genes), count(features.exons), count(features.introns), count(features.intergenic)};
}

}  // namespace vesmar::bench
