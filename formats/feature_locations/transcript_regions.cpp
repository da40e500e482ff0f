#include "formats/feature_locations/transcript_regions.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace vesmar {

namespace {

void sort_by_genome_order(std::vector<RegionRecord>& regions) {
  std::stable_sort(regions.begin(), regions.end(), [](const RegionRecord& a, const RegionRecord& b) {
    return a.start != b.start ? a.start < b.start : a.end < b.end;
  });
}

}  // namespace

std::string exon_name(std::string_view transcript, std::size_t k) {
  return std::string(transcript) + ".exon" + std::to_string(k);
}

std::vector<RegionRecord> exon_regions(std::span<const TranscriptExons> transcripts) {
  std::vector<RegionRecord> regions;
  for (const TranscriptExons& transcript : transcripts) {
    for (std::size_t k = 0; k < transcript.exons.size(); ++k) {
      const RegionSpan& exon = transcript.exons[k];
      regions.push_back({exon_name(transcript.name, k + 1), exon.start, exon.end, transcript.chromosome,
                         transcript.forward});
    }
  }
  sort_by_genome_order(regions);
  return regions;
}

std::vector<RegionRecord> intron_regions(std::span<const TranscriptExons> transcripts) {
  std::vector<RegionRecord> regions;
  for (const TranscriptExons& transcript : transcripts) {
    for (std::size_t k = 1; k < transcript.exons.size(); ++k) {
      const RegionSpan& before = transcript.exons[k - 1];
      const RegionSpan& after = transcript.exons[k];
      const RegionSpan& low = transcript.forward ? before : after;
      const RegionSpan& high = transcript.forward ? after : before;
      if (low.end + 1 > high.start - 1) continue;
      regions.push_back({transcript.name + ".intron" + std::to_string(k), low.end + 1, high.start - 1,
                         transcript.chromosome, transcript.forward});
    }
  }
  sort_by_genome_order(regions);
  return regions;
}

IntergenicName numbered_intergenic(std::string_view prefix) {
  return [prefix = std::string(prefix)](const IntergenicStretch& stretch) {
    return prefix + std::to_string(stretch.number);
  };
}

std::vector<RegionRecord> intergenic_regions(std::span<const TranscriptExons> transcripts,
                                             std::span<const ChromosomeStretch> chromosomes,
                                             const IntergenicName& name_of) {
  // Each transcript's reach, from its lowest exon base to its highest, by
  // chromosome name.
  struct Reach {
    std::int64_t first;
    std::int64_t last;
    std::string_view gene;
  };
  std::unordered_map<std::string_view, std::vector<Reach>> reaches;
  for (const TranscriptExons& transcript : transcripts) {
    if (transcript.exons.empty()) continue;
    Reach reach{transcript.exons.front().start, transcript.exons.front().end, transcript.gene};
    for (const RegionSpan& exon : transcript.exons) {
      reach.first = std::min(reach.first, exon.start);
      reach.last = std::max(reach.last, exon.end);
    }
    reaches[transcript.chromosome].push_back(reach);
  }
  std::vector<RegionRecord> regions;
  IntergenicStretch stretch;
  const auto add = [&](std::int64_t start, std::int64_t end, std::string_view gene_after) {
    if (start > end) return;
    stretch.gene_after = gene_after;
    ++stretch.number;
    regions.push_back({name_of(stretch), start, end, stretch.chromosome, true});
  };
  for (const ChromosomeStretch& chromosome : chromosomes) {
    std::vector<Reach>& on_it = reaches[chromosome.name];
    std::stable_sort(on_it.begin(), on_it.end(), [](const Reach& a, const Reach& b) { return a.first < b.first; });
    stretch.chromosome = chromosome.name;
    stretch.gene_before = {};
    std::int64_t free_from = chromosome.span.start;
    for (const Reach& reach : on_it) {
      add(free_from, reach.first - 1, reach.gene);
      if (reach.last + 1 > free_from) {
        free_from = reach.last + 1;
        stretch.gene_before = reach.gene;
      }
    }
    add(free_from, chromosome.span.end, {});
  }
  return regions;
}

}  // namespace vesmar
