#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bench/gene_layout.h"
#include "bench/synthetic_genome.h"
#include "formats/feature_locations/region_file_writer.h"
#include "formats/feature_locations/transcript_regions.h"

namespace vesmar::bench {


// The genes as the region files see them: each gene one transcript,
// "geneN", its exons in transcript order.
std::vector<TranscriptExons> gene_transcripts(const std::vector<Gene>& genes, std::span<const Chromosome> chromosomes);

// Each chromosome's own bases within the first `positions` (the padding left
// out), where the intergenic stretches ("intergenicN") lie.
std::vector<ChromosomeStretch> chromosome_stretches(std::span<const Chromosome> chromosomes, std::int64_t positions);

// `count` short regions ("blockN", 1 to 24 bases, one in twenty of 100 to
// 199 bases so that it overlaps the next ones) spread evenly over genome
// positions 1 to `positions`: the stress setting's region file.
std::vector<RegionRecord> stress_regions(std::span<const Chromosome> chromosomes, std::uint64_t seed,
                                         std::int64_t positions, std::int64_t count);

// The name of exon `exon` of gene `gene`, as all three exon files spell it.
std::string exon_name(const Gene& gene, const Exon& exon);

}  // namespace vesmar::bench
