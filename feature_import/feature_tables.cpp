#include "feature_import/feature_tables.h"

#include <algorithm>

#include "formats/feature_locations/transcript_regions.h"
#include "genome/bases.h"

namespace vesmar {

namespace {

NamedExonFrame frame(std::string name, const ModelExon& exon, bool forward) {
  if (!exon.has_coding()) {
    const auto length = static_cast<std::int32_t>(exon.span.length());
    return NamedExonFrame{std::move(name), ExonFrame{length, length, 1}};
  }
  const auto low = static_cast<std::int32_t>(exon.coding.first - exon.span.first);
  const auto high = static_cast<std::int32_t>(exon.span.last - exon.coding.last);
  return NamedExonFrame{std::move(name), ExonFrame{forward ? low : high, forward ? high : low, exon.start_frame}};
}

std::string exon_bases(const std::string& chromosome, const Span& span, bool forward) {
  const std::string_view bases =
      std::string_view(chromosome).substr(static_cast<std::size_t>(span.first - 1), static_cast<std::size_t>(span.length()));
  return forward ? std::string(bases) : reverse_complement(bases);
}

// The transcript with its exons in region coordinates, for the region files.
TranscriptExons placed(const Transcript& transcript, const LayoutChromosome& chromosome) {
  TranscriptExons placed{transcript.name, chromosome.name, transcript.forward, {}, transcript.gene};
  for (const ModelExon& exon : transcript.exons) {
    placed.exons.push_back({chromosome.offset + exon.span.first - 1, chromosome.offset + exon.span.last - 1});
  }
  return placed;
}

std::string between_genes(const IntergenicStretch& stretch) {
  const std::string before =
      stretch.gene_before.empty() ? std::string(stretch.chromosome) + "_start" : std::string(stretch.gene_before);
  const std::string after =
      stretch.gene_after.empty() ? std::string(stretch.chromosome) + "_end" : std::string(stretch.gene_after);
  return "between_" + before + "_and_" + after;
}

}  // namespace

FeatureLocations feature_tables(const GeneModels& models, const std::vector<std::size_t>& chosen,
                                const ChromosomeLayout& layout, const std::vector<const std::string*>& bases,
                                const std::vector<std::string>& skipped) {
  FeatureLocations tables;
  std::vector<TranscriptExons> transcripts;
  transcripts.reserve(chosen.size());
  for (const std::size_t index : chosen) {
    const Transcript& transcript = models.transcripts[index];
    const LayoutChromosome& chromosome = layout.chromosomes[transcript.chromosome];
    transcripts.push_back(placed(transcript, chromosome));
    // The exon tables keep transcript order.
    for (std::size_t k = 0; k < transcript.exons.size(); ++k) {
      std::string name = exon_name(transcript.name, k + 1);
      tables.exon_frames.push_back(frame(name, transcript.exons[k], transcript.forward));
      tables.exon_sequences.push_back(
          {std::move(name), exon_bases(*bases[transcript.chromosome], transcript.exons[k].span, transcript.forward)});
    }
  }
  std::vector<ChromosomeStretch> stretches;
  for (const LayoutChromosome& chromosome : layout.chromosomes) {
    const bool left_out = std::any_of(skipped.begin(), skipped.end(), [&](const std::string& name) {
      return same_chromosome_name(name, chromosome.name);
    });
    if (!left_out) stretches.push_back({chromosome.name, {chromosome.offset, chromosome.offset + chromosome.length - 1}});
  }
  tables.exons = exon_regions(transcripts);
  tables.introns = intron_regions(transcripts);
  tables.intergenic = intergenic_regions(transcripts, stretches, between_genes);
  tables.stop_name = "Stp";
  return tables;
}

}  // namespace vesmar
