#include "genome_scan/region_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "genome_scan/tests/reference_region_match.h"

namespace vesmar {
namespace {

Region region(std::int32_t start, std::int32_t end) { return Region{"g.exon1", start, end, "I", "1"}; }

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
    // In genome order, as region files are, with equal starts kept in file order.
    if (round % 2 == 1) {
      std::stable_sort(regions.begin(), regions.end(), [](const Region& a, const Region& b) { return a.start < b.start; });
    }
    RegionMatcher matcher(regions);
    for (std::int64_t position = -100; position < 1200; position += 1 + round % 3) {
      ASSERT_EQ(matcher.match(position), testing::first_region_reaching(regions, position))
          << "round " << round << " position " << position;
    }
  }
}

}  // namespace
}  // namespace vesmar
