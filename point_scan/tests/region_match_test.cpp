#include "point_scan/region_match.h"

#include <gtest/gtest.h>

#include <random>

#include "point_scan/region_mapping.h"

namespace vesmar {
namespace {

Region region(std::int32_t start, std::int32_t end, std::string_view chromosome = "I",
              std::string_view strand = "1", std::string_view name = "g.exon1") {
  return Region{name, start, end, chromosome, strand};
}

TEST(RegionMatch, ReachesTenBeforeAndEightAfter) {
  const std::vector<Region> regions = {region(1000, 1099)};
  RegionMatcher matcher(regions);
  EXPECT_EQ(matcher.match(990), std::nullopt);
  EXPECT_EQ(matcher.match(991), 0u);
  EXPECT_EQ(matcher.match(1050), 0u);
  EXPECT_EQ(matcher.match(1108), 0u);
  EXPECT_EQ(matcher.match(1109), std::nullopt);
}

TEST(RegionMatch, OverlapsGoToTheFirstRegionInFileOrder) {
  const std::vector<Region> regions = {region(500, 600), region(100, 550), region(90, 95)};
  RegionMatcher matcher(regions);
  EXPECT_EQ(matcher.match(85), 2u);
  EXPECT_EQ(matcher.match(200), 1u);
  EXPECT_EQ(matcher.match(520), 0u);
  EXPECT_EQ(matcher.match(605), 0u);
  EXPECT_EQ(matcher.match(300), 1u) << "a lower position starts the sweep again";
}

TEST(RegionMatch, SameAnswerAsAPlainScanOnRandomTables) {
  std::mt19937 random(12345);
  for (int round = 0; round < 200; ++round) {
    std::vector<Region> regions;
    const int count = std::uniform_int_distribution<int>(0, 40)(random);
    for (int i = 0; i < count; ++i) {
      std::int32_t start = std::uniform_int_distribution<std::int32_t>(-50, 1000)(random);
      std::int32_t length = std::uniform_int_distribution<std::int32_t>(-30, 120)(random);
      regions.push_back(region(start, start + length));
    }
    if (round % 10 == 0) regions.push_back(region(INT32_MIN, INT32_MAX));
    RegionMatcher matcher(regions);
    for (std::int64_t position = -100; position < 1200; position += 1 + round % 3) {
      ASSERT_EQ(matcher.match(position), first_region_reaching(regions, position))
          << "round " << round << " position " << position;
    }
  }
}

TEST(RegionMapping, PlacesOnTheRegionAndTheChromosome) {
  const Region first = region(1000, 1099);
  EXPECT_EQ(region_position(first, 1001), 0);
  EXPECT_EQ(region_position(first, 1100), 99);
  EXPECT_EQ(region_position(first, 991), -10);
  EXPECT_EQ(chromosome_position(first, 1001), 1001);
  EXPECT_EQ(chromosome_position(region(15072450, 15072460, "II"), 15072451), 1);
  EXPECT_EQ(chromosome_position(region(0, 10, "Y"), 5), std::nullopt);
  EXPECT_EQ(chromosome_position(region(0, 10, "I\r"), 5), std::nullopt);
}

TEST(CodingTest, ForwardAndReverseBounds) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{10, 5, 1}}};
  const Region forward = region(1000, 1099);
  EXPECT_EQ(coding_geometry(forward, 1010, frames), std::nullopt);
  std::optional<ExonGeometry> first = coding_geometry(forward, 1011, frames);
  ASSERT_TRUE(first);
  EXPECT_FALSE(first->reverse);
  EXPECT_EQ(first->coding_offset, 0);
  EXPECT_EQ(first->exon_offset, 10);
  EXPECT_EQ(first->bases_after, 89);
  std::optional<ExonGeometry> last = coding_geometry(forward, 1095, frames);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->bases_after, 5);
  EXPECT_EQ(coding_geometry(forward, 1096, frames), std::nullopt);

  const Region reverse = region(1000, 1099, "I", "-1");
  EXPECT_EQ(coding_geometry(reverse, 1005, frames), std::nullopt);
  EXPECT_TRUE(coding_geometry(reverse, 1006, frames));
  EXPECT_EQ(coding_geometry(reverse, 1091, frames), std::nullopt);
  std::optional<ExonGeometry> at = coding_geometry(reverse, 1090, frames);
  ASSERT_TRUE(at);
  EXPECT_TRUE(at->reverse);
  EXPECT_EQ(at->coding_offset, 0);
  EXPECT_EQ(at->exon_offset, 10);
  EXPECT_EQ(at->bases_after, 89);
}

TEST(CodingTest, NoCodonWithoutAStrandOrAFrame) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{0, 0, 1}}, {"g.exon2", ExonFrame{0, 0, 4}},
                             {"g.exon3", ExonFrame{0, 0, 0}}};
  EXPECT_TRUE(coding_geometry(region(0, 99, "I", "1\r"), 50, frames)) << "strand read as a number";
  EXPECT_EQ(coding_geometry(region(0, 99, "I", "+"), 50, frames), std::nullopt);
  EXPECT_EQ(coding_geometry(region(0, 99, "I", "2"), 50, frames), std::nullopt);
  EXPECT_EQ(coding_geometry(region(0, 99, "I", "1", "other"), 50, frames), std::nullopt);
  EXPECT_EQ(coding_geometry(region(0, 99, "I", "1", "g.exon2"), 50, frames), std::nullopt);
  EXPECT_EQ(coding_geometry(region(0, 99, "I", "1", "g.exon3"), 50, frames), std::nullopt);
}

TEST(CodingTest, ExtremeCoordinatesDoNotOverflow) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{INT32_MAX, INT32_MIN, 1}}};
  EXPECT_EQ(coding_geometry(region(INT32_MAX, INT32_MIN, "I", "1"), 5, frames), std::nullopt);
  EXPECT_EQ(region_position(region(INT32_MIN, 0), INT32_MAX), std::int64_t{INT32_MAX} - INT32_MIN - 1);
}

}  // namespace
}  // namespace vesmar
