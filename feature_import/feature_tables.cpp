#include "feature_import/feature_tables.h"

#include <algorithm>

#include "genome/bases.h"

namespace vesmar {

namespace {


RegionRecord region(std::string name, const Span& span, const LayoutChromosome& chromosome, bool forward) {
  return RegionRecord{std::move(name), chromosome.offset + span.first - 1, chromosome.offset + span.last - 1,
                      chromosome.name, forward};
}

ExonFrame frame(std::string name, const ModelExon& exon, bool forward) {
  if (!exon.has_coding()) {
    const int length = static_cast<int>(exon.span.length());
    return ExonFrame{std::move(name), length, length, 1};
  }
  const auto low = static_cast<int>(exon.coding.first - exon.span.first);
  const auto high = static_cast<int>(exon.span.last - exon.coding.last);
  return ExonFrame{std::move(name), forward ? low : high, forward ? high : low, exon.start_frame};
}

std::string exon_bases(const std::string& chromosome, const Span& span, bool forward) {
  const std::string_view bases =
      std::string_view(chromosome).substr(static_cast<std::size_t>(span.first - 1), static_cast<std::size_t>(span.length()));
  return forward ? std::string(bases) : reverse_complement(bases);
}

void add_transcript(const Transcript& transcript, const LayoutChromosome& chromosome, const std::string& bases,
                    FeatureLocations& tables) {
  const std::vector<ModelExon>& exons = transcript.exons;
  for (std::size_t k = 0; k < exons.size(); ++k) {
    const std::string name = transcript.name + ".exon" + std::to_string(k + 1);
    tables.exons.push_back(region(name, exons[k].span, chromosome, transcript.forward));
    tables.exon_frames.push_back(frame(name, exons[k], transcript.forward));
    tables.exon_sequences.push_back({name, exon_bases(bases, exons[k].span, transcript.forward)});
    if (k + 1 < exons.size()) {
      const Span& low = transcript.forward ? exons[k].span : exons[k + 1].span;
      const Span& high = transcript.forward ? exons[k + 1].span : exons[k].span;
      if (low.last + 1 <= high.first - 1) {
        tables.introns.push_back(region(transcript.name + ".intron" + std::to_string(k + 1),
                                        {low.last + 1, high.first - 1}, chromosome, transcript.forward));
      }
    }
  }
}

void add_intergenic(const std::vector<const Transcript*>& on_chromosome, const LayoutChromosome& chromosome,
                    FeatureLocations& tables) {
  std::vector<std::pair<Span, const std::string*>> extents;
  for (const Transcript* transcript : on_chromosome) extents.push_back({transcript->extent(), &transcript->gene});
  std::stable_sort(extents.begin(), extents.end(),
                   [](const auto& a, const auto& b) { return a.first.first < b.first.first; });
  std::string left = chromosome.name + "_start";
  std::int64_t next_free = 1;
  const auto add = [&](std::int64_t last, const std::string& right) {
    if (next_free <= last) {
      tables.intergenic.push_back(
          region("between_" + left + "_and_" + right, {next_free, last}, chromosome, true));
    }
  };
  for (const auto& [extent, gene] : extents) {
    add(extent.first - 1, *gene);
    if (extent.last + 1 > next_free) {
      next_free = extent.last + 1;
      left = *gene;
    }
  }
  add(chromosome.length, chromosome.name + "_end");
}

void sort_by_position(std::vector<RegionRecord>& regions) {
  std::stable_sort(regions.begin(), regions.end(), [](const RegionRecord& a, const RegionRecord& b) {
    return a.start != b.start ? a.start < b.start : a.end < b.end;
  });
}

}  // namespace

FeatureLocations feature_tables(const GeneModels& models, const std::vector<std::size_t>& chosen,
                                           const ChromosomeLayout& layout,
                                           const std::vector<const std::string*>& bases,
                                           const std::vector<std::string>& skipped) {
  FeatureLocations tables;
  std::vector<std::vector<const Transcript*>> by_chromosome(layout.chromosomes.size());
  for (const std::size_t index : chosen) {
    const Transcript& transcript = models.transcripts[index];
    add_transcript(transcript, layout.chromosomes[transcript.chromosome], *bases[transcript.chromosome], tables);
    by_chromosome[transcript.chromosome].push_back(&transcript);
  }
  for (std::size_t i = 0; i < layout.chromosomes.size(); ++i) {
    const LayoutChromosome& chromosome = layout.chromosomes[i];
    const bool left_out = std::any_of(skipped.begin(), skipped.end(), [&](const std::string& name) {
      return same_chromosome_name(name, chromosome.name);
    });
    if (!left_out) add_intergenic(by_chromosome[i], chromosome, tables);
  }
  // The exon tables keep transcript order; the region files genome order.
  sort_by_position(tables.exons);
  sort_by_position(tables.introns);
  sort_by_position(tables.intergenic);
  tables.stop_name = "Stp";
  return tables;
}

}  // namespace vesmar
