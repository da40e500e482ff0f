#include "bench/feature_files.h"

#include "bench/region_records.h"
#include "genome/bases.h"
#include "formats/feature_locations/feature_location_files.h"
#include "package_generator/package_folders.h"
#include "genome/package_paths.h"

namespace vesmar::bench {

namespace {

std::vector<ExonSequence> exon_sequences(const Reference& reference, const std::vector<Gene>& genes) {
  std::vector<ExonSequence> sequences;
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      sequences.push_back({exon_name(gene, exon), exon_sequence(exon, gene.forward, reference)});
    }
  }
  return sequences;
}

std::vector<NamedExonFrame> exon_frames(const std::vector<Gene>& genes) {
  std::vector<NamedExonFrame> frames;
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      frames.push_back({exon_name(gene, exon), ExonFrame{exon.five_prime_skip, exon.three_prime_skip, exon.start_frame}});
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
  const std::vector<TranscriptExons> transcripts = gene_transcripts(genes, chromosomes);
  const FeatureLocations features{vesmar::exon_regions(transcripts),
                                  vesmar::intron_regions(transcripts),
                                  vesmar::intergenic_regions(transcripts, chromosome_stretches(chromosomes, positions),
                                                             vesmar::numbered_intergenic("intergenic")),
                                  exon_sequences(reference, genes),
                                  exon_frames(genes),
                                  "Ter"};
  const std::string folder = generator::path_under(home, kFeatureLocationsFolder, "");
  if (Status written = write_feature_locations(folder, features); !written.ok()) return written.failure();
  auto count = [](const auto& list) { return static_cast<std::int64_t>(list.size()); };
  return FeatureSummary{count(genes), count(features.exons), count(features.introns), count(features.intergenic)};
}

}  // namespace vesmar::bench
