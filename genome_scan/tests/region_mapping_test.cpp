#include "genome_scan/region_mapping.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

Region region(std::int32_t start, std::int32_t end, std::string_view chromosome = "I",
              std::string_view strand = "1", std::string_view name = "g.exon1") {
  return Region{name, start, end, chromosome, strand};
}

// The coding test of a hit, with its region's frame looked up by name.
std::optional<ExonGeometry> geometry(const Region& region, std::int64_t position, const ExonFrames& frames) {
  return coding_geometry(region, position, frames.find(region.name));
}

TEST(RegionMapping, PlacesOnTheRegionFromItsLowerEnd) {
  const Region first = region(1000, 1099);
  EXPECT_EQ(region_position(first, 1001), 0);
  EXPECT_EQ(region_position(first, 1100), 99);
  EXPECT_EQ(region_position(first, 991), -10);
}

TEST(CodingTest, ForwardAndReverseBounds) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{10, 5, 1}}};
  const Region forward = region(1000, 1099);
  EXPECT_EQ(geometry(forward, 1010, frames), std::nullopt);
  std::optional<ExonGeometry> first = geometry(forward, 1011, frames);
  ASSERT_TRUE(first);
  EXPECT_FALSE(first->reverse);
  EXPECT_EQ(first->coding_offset, 0);
  EXPECT_EQ(first->exon_offset, 10);
  EXPECT_EQ(first->bases_after, 89);
  std::optional<ExonGeometry> last = geometry(forward, 1095, frames);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->bases_after, 5);
  EXPECT_EQ(geometry(forward, 1096, frames), std::nullopt);

  const Region reverse = region(1000, 1099, "I", "-1");
  EXPECT_EQ(geometry(reverse, 1005, frames), std::nullopt);
  EXPECT_TRUE(geometry(reverse, 1006, frames));
  EXPECT_EQ(geometry(reverse, 1091, frames), std::nullopt);
  std::optional<ExonGeometry> at = geometry(reverse, 1090, frames);
  ASSERT_TRUE(at);
  EXPECT_TRUE(at->reverse);
  EXPECT_EQ(at->coding_offset, 0);
  EXPECT_EQ(at->exon_offset, 10);
  EXPECT_EQ(at->bases_after, 89);
}

TEST(CodingTest, NoCodonWithoutAStrandOrAFrame) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{0, 0, 1}}, {"g.exon2", ExonFrame{0, 0, 4}},
                             {"g.exon3", ExonFrame{0, 0, 0}}};
  EXPECT_TRUE(geometry(region(0, 99, "I", "1\r"), 50, frames)) << "strand read as a number";
  EXPECT_EQ(geometry(region(0, 99, "I", "+"), 50, frames), std::nullopt);
  EXPECT_EQ(geometry(region(0, 99, "I", "2"), 50, frames), std::nullopt);
  EXPECT_EQ(geometry(region(0, 99, "I", "1", "other"), 50, frames), std::nullopt);
  EXPECT_EQ(geometry(region(0, 99, "I", "1", "g.exon2"), 50, frames), std::nullopt);
  EXPECT_EQ(geometry(region(0, 99, "I", "1", "g.exon3"), 50, frames), std::nullopt);
}

TEST(CodingTest, ExtremeCoordinatesDoNotOverflow) {
  const ExonFrames frames = {{"g.exon1", ExonFrame{INT32_MAX, INT32_MIN, 1}}};
  EXPECT_EQ(geometry(region(INT32_MAX, INT32_MIN, "I", "1"), 5, frames), std::nullopt);
  EXPECT_EQ(region_position(region(INT32_MIN, 0), INT32_MAX), std::int64_t{INT32_MAX} - INT32_MIN - 1);
}

}  // namespace
}  // namespace vesmar
