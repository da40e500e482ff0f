#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bench/genome_layout.h"

namespace vesmar::bench {

// One exon, in the coordinates of the region files: it covers the genome
// positions start + 1 to end + 1. Its skips and start frame are those of
// exon_frames.txt.
struct Exon {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int number = 0;  // in transcript order, from 1
  int five_prime_skip = 0;
  int three_prime_skip = 0;
  int start_frame = 1;

  std::int64_t length() const { return end - start + 1; }
};

// A gene: its exons in transcript order (from the low genome end on the
// forward strand, from the high end on the reverse strand), coding from the
// first exon's five_prime_skip to the last exon's three_prime_skip, with a
// coding length that is a multiple of 3.
struct Gene {
  int number = 0;  // genes are named "gene" + number
  int chromosome = 0;  // its index in the joining order
  bool forward = true;
  std::vector<Exon> exons;

  std::int64_t first() const;  // lowest region coordinate
  std::int64_t last() const;   // highest region coordinate
};

// Sizes of a gene model like that of a small animal genome: about 20,000
// genes of 1 to 19 exons (about 200,000 exons), exons of 40 to 260 bases,
// introns of 40 to 600 bases with a few of only 5 to 25 (so that neighbouring
// exons come within each other's reach), a few genes that start inside the
// one before on the other strand, and short intergenic stretches.
struct GeneShape {
  int most_exons = 19;
  int shortest_exon = 40;
  int longest_exon = 260;
  int shortest_intron = 40;
  int longest_intron = 600;
  double close_intron_share = 0.05;
  int shortest_close_intron = 5;
  int longest_close_intron = 25;
  int shortest_intergenic = 100;
  int longest_intergenic = 1500;
  double overlapping_gene_share = 0.04;
  int longest_skip = 15;
};

// The genes of the genome for a seed that lie wholly within genome positions
// 1 to `positions`, in the order they were laid out (chromosome by
// chromosome, mostly by position). The genes kept for a smaller `positions`
// are exactly the first ones kept for a larger.
std::vector<Gene> generate_genes(std::span<const Chromosome> chromosomes, std::uint64_t seed, std::int64_t positions,
                                 const GeneShape& shape = {});

}  // namespace vesmar::bench
