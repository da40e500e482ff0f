#include "bench/gene_layout.h"

#include <algorithm>
#include <optional>

namespace vesmar::bench {

std::int64_t Gene::first() const {
  std::int64_t first = exons.front().start;
  for (const Exon& exon : exons) first = std::min(first, exon.start);
  return first;
}

std::int64_t Gene::last() const {
  std::int64_t last = exons.front().end;
  for (const Exon& exon : exons) last = std::max(last, exon.end);
  return last;
}

namespace {

// Exons in genome order from `gene_start`, with the introns between them.
std::vector<Exon> lay_exons(std::int64_t gene_start, RandomStream& random, const GeneShape& shape) {
  const int count = static_cast<int>(random.uniform(1, shape.most_exons));
  std::vector<Exon> exons(count);
  std::int64_t next_start = gene_start;
  for (Exon& exon : exons) {
    exon.start = next_start;
    exon.end = exon.start + random.uniform(shape.shortest_exon, shape.longest_exon) - 1;
    const bool close = random.chance(shape.close_intron_share);
    const std::int64_t intron = close ? random.uniform(shape.shortest_close_intron, shape.longest_close_intron)
                                      : random.uniform(shape.shortest_intron, shape.longest_intron);
    next_start = exon.end + 1 + intron;
  }
  return exons;
}

// Numbers the exons in transcript order and sets their frames: the first
// coding base of the gene has codon place 1, and each exon starts at the codon
// place that follows the coding bases before it.
void set_frames(Gene& gene, int five_prime_skip, int three_prime_skip) {
  if (!gene.forward) std::reverse(gene.exons.begin(), gene.exons.end());
  Exon& first = gene.exons.front();
  Exon& last = gene.exons.back();
  first.five_prime_skip = five_prime_skip;
  last.three_prime_skip = three_prime_skip;
  std::int64_t coding = 0;
  for (const Exon& exon : gene.exons) coding += exon.length() - exon.five_prime_skip - exon.three_prime_skip;
  // A whole number of codons, so that no codon reaches past the last exon.
  last.three_prime_skip += static_cast<int>(coding % 3);
  std::int64_t before = 0;
  int number = 0;
  for (Exon& exon : gene.exons) {
    exon.number = ++number;
    exon.start_frame = static_cast<int>(before % 3) + 1;
    before += exon.length() - exon.five_prime_skip - exon.three_prime_skip;
  }
}

}  // namespace

std::vector<Gene> generate_genes(std::span<const Chromosome> chromosomes, std::uint64_t seed, std::int64_t positions,
                                 const GeneShape& shape) {
  std::vector<Gene> genes;
  int number = 0;
  for (std::size_t c = 0; c < chromosomes.size(); ++c) {
    const Chromosome& chromosome = chromosomes[c];
    // Region coordinates are genome positions less 1.
    const std::int64_t last_coordinate = chromosome.last_position() - 1;
    RandomStream random = stream_for(seed, Stream::Genes, c);
    std::int64_t cursor = chromosome.offset;
    std::optional<Gene> previous;
    for (;;) {
      // Every draw is made whatever `positions` is, so that the layout does
      // not depend on the scale.
      Gene gene;
      const bool overlapping = previous && random.chance(shape.overlapping_gene_share);
      std::int64_t gene_start = 0;
      if (overlapping) {
        gene_start = previous->first() + random.uniform(0, (previous->last() - previous->first()) / 2);
        gene.forward = !previous->forward;
      } else {
        gene_start = cursor + random.uniform(shape.shortest_intergenic, shape.longest_intergenic);
        gene.forward = random.chance(0.5);
      }
      gene.exons = lay_exons(gene_start, random, shape);
      const int five_prime_skip = static_cast<int>(random.uniform(0, shape.longest_skip));
      const int three_prime_skip = static_cast<int>(random.uniform(0, shape.longest_skip));
      if (gene.last() > last_coordinate) break;
      set_frames(gene, five_prime_skip, three_prime_skip);
      gene.number = ++number;
      gene.chromosome = static_cast<int>(c);
      cursor = std::max(cursor, gene.last() + 1);
      previous = gene;
      if (gene.last() <= positions - 1) genes.push_back(std::move(gene));
    }
  }
  return genes;
}

}  // namespace vesmar::bench
