#include "bench/region_records.h"

#include <algorithm>

namespace vesmar::bench {

namespace {

void sort_by_genome_order(std::vector<RegionRecord>& regions) {
  std::stable_sort(regions.begin(), regions.end(), [](const RegionRecord& a, const RegionRecord& b) {
    return a.start != b.start ? a.start < b.start : a.end < b.end;
  });
}

}  // namespace

std::string exon_name(const Gene& gene, const Exon& exon) {
  return "gene" + std::to_string(gene.number) + ".exon" + std::to_string(exon.number);
}

std::vector<RegionRecord> exon_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes) {
  std::vector<RegionRecord> regions;
  for (const Gene& gene : genes) {
    for (const Exon& exon : gene.exons) {
      regions.push_back({exon_name(gene, exon), exon.start, exon.end, chromosomes[gene.chromosome].name,
                         gene.forward});
    }
  }
  sort_by_genome_order(regions);
  return regions;
}

std::vector<RegionRecord> intron_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes) {
  std::vector<RegionRecord> regions;
  for (const Gene& gene : genes) {
    // Intron K lies between exons K and K + 1 of the transcript.
    for (std::size_t k = 1; k < gene.exons.size(); ++k) {
      const Exon& before = gene.exons[k - 1];
      const Exon& after = gene.exons[k];
      const Exon& low = gene.forward ? before : after;
      const Exon& high = gene.forward ? after : before;
      regions.push_back({"gene" + std::to_string(gene.number) + ".intron" + std::to_string(k), low.end + 1,
                         high.start - 1, chromosomes[gene.chromosome].name, gene.forward});
    }
  }
  sort_by_genome_order(regions);
  return regions;
}

std::vector<RegionRecord> intergenic_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes,
                                             std::int64_t positions) {
  std::vector<RegionRecord> regions;
  int number = 0;
  auto add = [&](std::int64_t start, std::int64_t end, const Chromosome& chromosome) {
    if (start <= end) regions.push_back({"intergenic" + std::to_string(++number), start, end, chromosome.name, true});
  };
  for (std::size_t c = 0; c < chromosomes.size(); ++c) {
    const Chromosome& chromosome = chromosomes[c];
    if (chromosome.offset >= positions) break;
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    for (const Gene& gene : genes) {
      if (gene.chromosome == static_cast<int>(c)) spans.emplace_back(gene.first(), gene.last());
    }
    std::sort(spans.begin(), spans.end());
    std::int64_t covered_to = chromosome.offset - 1;
    for (const auto& [first, last] : spans) {
      add(covered_to + 1, first - 1, chromosome);
      covered_to = std::max(covered_to, last);
    }
    add(covered_to + 1, std::min(chromosome.last_position(), positions) - 1, chromosome);
  }
  return regions;
}

std::vector<RegionRecord> stress_regions(std::span<const Chromosome> chromosomes, std::uint64_t seed,
                                         std::int64_t positions, std::int64_t count) {
  std::vector<RegionRecord> regions;
  regions.reserve(static_cast<std::size_t>(count));
  const double spacing = static_cast<double>(positions) / static_cast<double>(count);
  for (std::int64_t i = 0; i < count; ++i) {
    const std::uint64_t draw = keyed_random(seed, Stream::StressRegions, static_cast<std::uint64_t>(i));
    const auto base = static_cast<std::int64_t>(static_cast<double>(i) * spacing);
    const std::int64_t start = std::min<std::int64_t>(base + static_cast<std::int64_t>(draw % 40), positions - 1);
    const bool long_one = (draw >> 40) % 20 == 0;
    const auto length = static_cast<std::int64_t>(long_one ? 100 + (draw >> 16) % 100 : 1 + (draw >> 8) % 24);
    const Chromosome& chromosome = chromosome_at(chromosomes, start + 1);
    const std::int64_t end =
        std::min({start + length - 1, positions - 1, chromosome.offset + chromosome.padded_length - 1});
    regions.push_back({"block" + std::to_string(i + 1), start, end, chromosome.name, ((draw >> 60) & 1) == 0});
  }
  sort_by_genome_order(regions);
  return regions;
}

}  // namespace vesmar::bench
