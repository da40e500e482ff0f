#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/feature_locations/region_file_writer.h"

namespace vesmar {

// The three region files made from the exons of an annotation: the exons as
// they are, the introns between the exons of each transcript, and the
// intergenic stretches that no transcript covers. Every list comes sorted
// by start, then end (regions of equal ends keep their order), as the
// scanners read the region files.

// A stretch in region coordinates (genome positions less 1), both ends
// included.
struct RegionSpan {
  std::int64_t start = 0;
  std::int64_t end = 0;
};

// One transcript: its exons in transcript order, from the low genome end on
// the forward strand and from the high end on the reverse strand.
struct TranscriptExons {
  std::string name;  // its regions are name + ".exonK" and name + ".intronK"
  std::string_view chromosome;
  bool forward = true;
  std::vector<RegionSpan> exons;
  std::string_view gene;  // the gene it belongs to, which names the intergenic stretches beside it
};

// The exon's name: exon K (from 1, in transcript order) of `transcript`.
std::string exon_name(std::string_view transcript, std::size_t k);

// Every exon, "name.exonK", on its transcript's strand.
std::vector<RegionRecord> exon_regions(std::span<const TranscriptExons> transcripts);

// Every intron, "name.intronK" between exons K and K + 1, on its
// transcript's strand; none between exons that touch.
std::vector<RegionRecord> intron_regions(std::span<const TranscriptExons> transcripts);

// A chromosome's own stretch of the genome, in region coordinates.
struct ChromosomeStretch {
  std::string_view name;
  RegionSpan span;
};

// What names an intergenic stretch: its chromosome, the gene before it (of
// the transcripts that begin before it, the one that reaches furthest,
// the first of those named when several do) and the gene after it (of the
// first transcript that begins after it), each empty at the chromosome's
// end, and its number, counted from 1 over all chromosomes.
struct IntergenicStretch {
  std::string_view chromosome;
  std::string_view gene_before;
  std::string_view gene_after;
  int number = 0;
};
using IntergenicName = std::function<std::string(const IntergenicStretch&)>;

// `prefix` and the stretch's number: "intergenic7".
IntergenicName numbered_intergenic(std::string_view prefix);

// The stretches of each chromosome, in the order given, that no transcript
// on it covers from its first to its last exon, on the forward strand.
std::vector<RegionRecord> intergenic_regions(std::span<const TranscriptExons> transcripts,
                                             std::span<const ChromosomeStretch> chromosomes,
                                             const IntergenicName& name_of);

}  // namespace vesmar
