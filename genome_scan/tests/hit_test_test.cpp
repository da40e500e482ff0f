#include "genome_scan/hit_test.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(HitTest, UsesTheRatioAsLeastMutantReadsPerWtRead) {
  const HitThresholds thresholds{3.0, 2};
  EXPECT_TRUE(is_hit(1, 3, thresholds));
  EXPECT_FALSE(is_hit(1, 2, thresholds));
  EXPECT_TRUE(is_hit(0, 2, thresholds));
  EXPECT_FALSE(is_hit(0, 1, thresholds));
  EXPECT_TRUE(is_hit(4, 12, thresholds));
  EXPECT_FALSE(is_hit(4, 11, thresholds));
  EXPECT_TRUE(is_hit(2, 5, HitThresholds{2.5, 0}));
  EXPECT_TRUE(is_hit(7, 0, HitThresholds{0.0, 0}));
  EXPECT_FALSE(is_hit(0, 5, HitThresholds{1e308 * 10, 0})) << "infinity times zero is not a number";
}

}  // namespace
}  // namespace vesmar
