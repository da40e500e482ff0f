#include "formats/feature_locations/transcript_regions.h"

#include <algorithm>
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
      regions.push_back({transcript.name + ".intron" + std::to_string(k), low.end + 1, high.start - 1,
                         transcript.chromosome, transcript.forward});
    }
  }
  sort_by_genome_order(regions);
  return regions;
}

std::vector<RegionRecord> intergenic_regions(std::span<const TranscriptExons> transcripts,
                                             std::span<const ChromosomeStretch> chromosomes,
                                             std::string_view name_prefix) {
  std::vector<RegionRecord> regions;
  int number = 0;
  auto add = [&](std::int64_t start, std::int64_t end, std::string_view chromosome) {
    if (start <= end) {
      regions.push_back({std::string(name_prefix) + std::to_string(++number), start, end, chromosome, true});
    }
  };
  for (const ChromosomeStretch& chromosome : chromosomes) {
    std::vector<std::pair<std::int64_t, std::int64_t>> covered;
    for (const TranscriptExons& transcript : transcripts) {
      if (transcript.chromosome != chromosome.name || transcript.exons.empty()) continue;
      std::pair<std::int64_t, std::int64_t> span{transcript.exons.front().start, transcript.exons.front().end};
      for (const RegionSpan& exon : transcript.exons) {
        span.first = std::min(span.first, exon.start);
        span.second = std::max(span.second, exon.end);
      }
      covered.push_back(span);
    }
    std::sort(covered.begin(), covered.end());
    std::int64_t covered_to = chromosome.span.start - 1;
    for (const auto& [first, last] : covered) {
      add(covered_to + 1, first - 1, chromosome.name);
      covered_to = std::max(covered_to, last);
    }
    add(covered_to + 1, chromosome.span.end, chromosome.name);
  }
  return regions;
}

}  // namespace vesmar
