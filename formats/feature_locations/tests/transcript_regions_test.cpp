#include "formats/feature_locations/transcript_regions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesmar {
namespace {

// "name start end strand" for each region, in the order given.
std::vector<std::string> described(const std::vector<RegionRecord>& regions) {
  std::vector<std::string> lines;
  for (const RegionRecord& r : regions) {
    lines.push_back(r.name + " " + std::to_string(r.start) + " " + std::to_string(r.end) + " " +
                    std::string(r.chromosome) + (r.forward ? " +" : " -"));
  }
  return lines;
}

// Two transcripts on I, the second on the reverse strand (its exons from
// the high end) and reaching into the first; one on II.
const std::vector<TranscriptExons> kTranscripts = {
    {"a", "I", true, {{10, 19}, {30, 39}, {50, 59}}},
    {"b", "I", false, {{90, 99}, {55, 70}}},
    {"c", "II", true, {{120, 129}}},
};

TEST(TranscriptRegions, ExonsAndIntronsInGenomeOrderOnTheirStrands) {
  EXPECT_EQ(described(exon_regions(kTranscripts)),
            (std::vector<std::string>{"a.exon1 10 19 I +", "a.exon2 30 39 I +", "a.exon3 50 59 I +",
                                      "b.exon2 55 70 I -", "b.exon1 90 99 I -", "c.exon1 120 129 II +"}));
  EXPECT_EQ(described(intron_regions(kTranscripts)),
            (std::vector<std::string>{"a.intron1 20 29 I +", "a.intron2 40 49 I +", "b.intron1 71 89 I -"}));
}

TEST(TranscriptRegions, IntergenicStretchesAreWhatNoTranscriptCovers) {
  const ChromosomeStretch chromosomes[] = {{"I", {0, 109}}, {"II", {110, 129}}, {"III", {130, 139}}};
  EXPECT_EQ(described(intergenic_regions(kTranscripts, chromosomes, "ig")),
            (std::vector<std::string>{"ig1 0 9 I +", "ig2 100 109 I +", "ig3 110 119 II +", "ig4 130 139 III +"}));
}

}  // namespace
}  // namespace vesmar
