#include "genome_scan/region_walk.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vesmar {
namespace {

using Rows = std::vector<std::pair<std::size_t, std::size_t>>;  // (gap index, region index)

struct Span {
  std::int32_t start;
  std::int32_t end;
};

// Gaps given as (first position, last position); an insertion entry as
// (q + 1, q).
Rows walk(const std::vector<Span>& gap_spans, const std::vector<Span>& region_spans) {
  GapTable gaps;
  for (const Span& gap : gap_spans) {
    gaps.append(GapEntry{gap.end, gap.end - gap.start + 1, GapComment::None});
  }
  std::vector<Region> regions;
  for (const Span& span : region_spans) regions.push_back(Region{"r", span.start, span.end, "I", "1"});
  Rows rows;
  walk_gap_regions(gaps, regions, [&](std::size_t gap, std::size_t region) {
    rows.emplace_back(gap, region);
  });
  return rows;
}

struct WalkCase {
  const char* what;
  std::vector<Span> gaps;
  std::vector<Span> regions;
  Rows expected;
};

TEST(RegionWalk, PairsGapsWithTheRegionsTheyOverlap) {
  const WalkCase cases[] = {
      {"no gaps", {}, {{10, 20}}, {}},
      {"no regions", {{5, 6}}, {}, {}},
      {"gap inside a region", {{12, 14}}, {{10, 20}}, {{0, 0}}},
      {"gap wholly before the region", {{3, 5}}, {{10, 20}}, {}},
      {"gap ending at the region's start", {{8, 10}}, {{10, 20}}, {{0, 0}}},
      {"gap ending just before the region's start", {{8, 9}}, {{10, 20}}, {}},
      {"gap starting at the region's end", {{20, 25}}, {{10, 20}}, {{0, 0}}},
      {"gap covering the whole region", {{5, 25}}, {{10, 20}}, {{0, 0}}},
      {"gaps after the last region end the walk", {{12, 12}, {30, 31}, {40, 40}}, {{10, 20}},
       {{0, 0}}},
      {"a region no gap reaches", {{12, 12}, {52, 53}}, {{10, 20}, {30, 40}, {50, 60}},
       {{0, 0}, {1, 2}}},
      {"several gaps in one region, then the next", {{11, 11}, {13, 15}, {32, 32}},
       {{10, 20}, {30, 40}},
       {{0, 0}, {1, 0}, {2, 1}}},
      {"a gap over two regions, followed by a later gap", {{18, 32}, {50, 50}},
       {{10, 20}, {30, 40}, {45, 55}},
       {{0, 0}, {0, 1}, {1, 2}}},
      {"a gap over two regions, as the last gap", {{18, 32}}, {{10, 20}, {30, 40}}, {{0, 0}}},
      {"a gap over three regions", {{15, 55}, {70, 70}},
       {{10, 20}, {30, 40}, {50, 60}, {65, 75}},
       {{0, 0}, {0, 1}, {0, 2}, {1, 3}}},
      {"insertion entry in the region of its second position", {{11, 10}, {21, 20}},
       {{5, 10}, {11, 20}, {21, 30}},
       {{0, 1}, {1, 2}}},
  };
  for (const WalkCase& c : cases) {
    EXPECT_EQ(walk(c.gaps, c.regions), c.expected) << c.what;
  }
}

TEST(RegionWalk, ExtremeCoordinatesDoNotOverflow) {
  EXPECT_EQ(walk({{INT32_MAX, INT32_MAX}}, {{INT32_MIN, INT32_MAX}}), (Rows{{0, 0}}));
  EXPECT_EQ(walk({{1, 2}}, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}}), Rows{});
}

}  // namespace
}  // namespace vesmar
