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
    {"a", "I", true, {{10, 19}, {30, 39}, {50, 59}}, "A"},
    {"b", "I", false, {{90, 99}, {55, 70}}, "B"},
    {"c", "II", true, {{120, 129}, {130, 139}}, "C"},
};

TEST(TranscriptRegions, ExonsAndIntronsInGenomeOrderOnTheirStrands) {
  EXPECT_EQ(described(exon_regions(kTranscripts)),
            (std::vector<std::string>{"a.exon1 10 19 I +", "a.exon2 30 39 I +", "a.exon3 50 59 I +",
                                      "b.exon2 55 70 I -", "b.exon1 90 99 I -", "c.exon1 120 129 II +",
                                      "c.exon2 130 139 II +"}));
  EXPECT_EQ(described(intron_regions(kTranscripts)),
            (std::vector<std::string>{"a.intron1 20 29 I +", "a.intron2 40 49 I +", "b.intron1 71 89 I -"}));
}

TEST(TranscriptRegions, IntergenicStretchesAreWhatNoTranscriptCoversNamedByNumberOrByNeighbours) {
  const ChromosomeStretch chromosomes[] = {{"I", {0, 109}}, {"II", {110, 149}}, {"III", {150, 159}}};
  EXPECT_EQ(described(intergenic_regions(kTranscripts, chromosomes, numbered_intergenic("ig"))),
            (std::vector<std::string>{"ig1 0 9 I +", "ig2 100 109 I +", "ig3 110 119 II +", "ig4 140 149 II +",
                                      "ig5 150 159 III +"}));
  const auto neighbours = [](const IntergenicStretch& s) {
    return std::string(s.chromosome) + ":" + std::string(s.gene_before) + "-" + std::string(s.gene_after);
  };
  EXPECT_EQ(described(intergenic_regions(kTranscripts, chromosomes, neighbours)),
            (std::vector<std::string>{"I:-A 0 9 I +", "I:B- 100 109 I +", "II:-C 110 119 II +", "II:C- 140 149 II +",
                                      "III:- 150 159 III +"}));
}

// A transcript that begins inside another and ends before it leaves the
// outer one the gene before the next stretch; touching exons have no intron.
TEST(TranscriptRegions, TheGeneBeforeAStretchIsTheOneThatReachesFurthest) {
  const std::vector<TranscriptExons> nested = {
      {"outer", "I", true, {{10, 19}, {20, 29}, {60, 69}}, "OUTER"},
      {"inner", "I", true, {{30, 39}}, "INNER"},
  };
  const ChromosomeStretch chromosome[] = {{"I", {0, 79}}};
  const auto neighbours = [](const IntergenicStretch& s) {
    return std::string(s.gene_before) + "-" + std::string(s.gene_after);
  };
  EXPECT_EQ(described(intergenic_regions(nested, chromosome, neighbours)),
            (std::vector<std::string>{"-OUTER 0 9 I +", "OUTER- 70 79 I +"}));
  EXPECT_EQ(described(intron_regions(nested)), (std::vector<std::string>{"outer.intron2 30 59 I +"}));
}

}  // namespace
}  // namespace vesmar
