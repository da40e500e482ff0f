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
  return vesmar::exon_name("gene" + std::to_string(gene.number), static_cast<std::size_t>(exon.number));
}

std::vector<TranscriptExons> gene_transcripts(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes) {
  std::vector<TranscriptExons> transcripts;
  transcripts.reserve(genes.size());
  for (const Gene& gene : genes) {
    TranscriptExons& transcript = transcripts.emplace_back();
    transcript.name = "gene" + std::to_string(gene.number);
    transcript.chromosome = chromosomes[static_cast<std::size_t>(gene.chromosome)].name;
    transcript.forward = gene.forward;
    for (const Exon& exon : gene.exons) transcript.exons.push_back({exon.start, exon.end});
  }
  return transcripts;
}

std::vector<ChromosomeStretch> chromosome_stretches(std::span<const Chromosome> chromosomes, std::int64_t positions) {
  std::vector<ChromosomeStretch> stretches;
  for (const Chromosome& chromosome : chromosomes) {
    if (chromosome.offset >= positions) break;
    stretches.push_back({chromosome.name, {chromosome.offset, std::min(chromosome.last_position(), positions) - 1}});
  }
  return stretches;
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
