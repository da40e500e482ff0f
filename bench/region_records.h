#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bench/gene_layout.h"
#include "bench/genome_layout.h"
#include "package_generator/region_file.h"

namespace vesmar::bench {

using generator::RegionRecord;

// The regions of the three region files, each in increasing genome order
// (by start, then end), as the scanners expect them.
//   exons: "geneN.exonK", K in transcript order;
//   introns: "geneN.intronK", between exons K and K + 1;
//   intergenic: "intergenicN", the stretches of each chromosome's own bases
//   (within the first `positions`) that no gene covers.
std::vector<RegionRecord> exon_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes);
std::vector<RegionRecord> intron_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes);
std::vector<RegionRecord> intergenic_regions(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes,
                                             std::int64_t positions);

// `count` short regions ("blockN", 1 to 24 bases, one in twenty of 100 to
// 199 bases so that it overlaps the next ones) spread evenly over genome
// positions 1 to `positions`: the stress setting's region file.
std::vector<RegionRecord> stress_regions(std::span<const Chromosome> chromosomes, std::uint64_t seed,
                                         std::int64_t positions, std::int64_t count);

// The name of exon `exon` of gene `gene`, as all three exon files spell it.
std::string exon_name(const Gene& gene, const Exon& exon);

}  // namespace vesmar::bench
