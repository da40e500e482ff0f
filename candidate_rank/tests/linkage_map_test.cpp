#include <gtest/gtest.h>

#include <vector>

#include "candidate_rank/linkage_map.h"

namespace vesmar {
namespace {

// Changes every 100 positions on chromosome I: 'H' homozygous (20 of 20
// reads), 'h' heterozygous (10 of 20).
std::vector<StrainChange> changes_of(std::string_view shares) {
  std::vector<StrainChange> changes;
  for (std::size_t i = 0; i < shares.size(); ++i) {
    const bool homozygous = shares[i] == 'H';
    changes.push_back(StrainChange{static_cast<std::int32_t>(100 * (i + 1)), homozygous ? 0 : 10,
                                   homozygous ? 20 : 10, 'g', 'a', true});
  }
  return changes;
}

TEST(LinkageMap, TheIntervalIsBoundedByTheNearestChangesOutsideTheHomozygousRun) {
  struct Case {
    const char* shares;
    std::vector<std::pair<std::int64_t, std::int64_t>> intervals;
  };
  const Case cases[] = {
      {"hhhhhHHHHhhhhhhhhhh", {{501, 999}}},     // a run of four in the middle
      {"HHHHhhhhhhhhhhhhhhh", {{1, 499}}},       // from the chromosome's start
      {"hhhhhhhhhhhhhhhHHHH", {{1501, 10'000}}}, // to its end
      {"hhhhhhhHHhhhhhhhhhh", {}},               // two are too few
      {"hhhhhhhhhhhhhhhhhhh", {}},               // nothing homozygous
      {"HHHHHHHHHHHHHHHHHHH", {}},               // homozygous everywhere: nothing stands out
      {"hhhhhhHHHHHHhhhHhhh", {{601, 1299}}},    // a lone homozygous change is no run
  };
  const GenomeSpans spans = genome_spans(built_in_layout(), 10'000);
  for (const Case& c : cases) {
    const LinkageMap map = map_linkage(changes_of(c.shares), spans, 0.8);
    std::vector<std::pair<std::int64_t, std::int64_t>> intervals;
    for (const LinkedInterval& interval : map.intervals) intervals.emplace_back(interval.first, interval.last);
    EXPECT_EQ(intervals, c.intervals) << c.shares;
    EXPECT_FALSE(map.verdict.empty());
  }
}

TEST(LinkageMap, SmoothsOverTwoChangesOnEachSideByReads) {
  const LinkageMap map = map_linkage(changes_of("hhHhh"), genome_spans(built_in_layout(), 1'000), 0.8);
  ASSERT_EQ(map.points[0].size(), 5u);
  EXPECT_DOUBLE_EQ(map.points[0][2].smoothed, 60.0 / 100.0);
  EXPECT_DOUBLE_EQ(map.points[0][0].smoothed, 40.0 / 60.0);
  EXPECT_DOUBLE_EQ(map.points[0][2].share, 1.0);
}

TEST(LinkageMap, ChromosomesEndWhereTheFileEnds) {
  const GenomeSpans small = genome_spans(built_in_layout(), 60'050);
  EXPECT_EQ(small[0].length, 60'050);
  EXPECT_EQ(small[1].length, 0);
  const GenomeSpans whole = genome_spans(built_in_layout(), 100'300'000);
  EXPECT_EQ(whole[0].length, 15'072'450);
  EXPECT_EQ(whole[5].length, 100'300'000 - 82'548'900);
  EXPECT_EQ(chromosome_of(whole, 15'072'450), 0);
  EXPECT_EQ(chromosome_of(whole, 15'072'451), 1);
}

TEST(LinkageMap, ATouchOfTheIntervalIsLinked) {
  const LinkageMap map = map_linkage(changes_of("hhhhhHHHHhhhhhhhhhh"), genome_spans(built_in_layout(), 10'000), 0.8);
  EXPECT_TRUE(in_linked_interval(map, 501, 501));
  EXPECT_TRUE(in_linked_interval(map, 400, 501));
  EXPECT_FALSE(in_linked_interval(map, 500, 500));
  EXPECT_FALSE(in_linked_interval(map, 1000, 1200));
}

}  // namespace
}  // namespace vesmar
