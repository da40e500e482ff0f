// The shared axis: where it ends, its ticks and their labels.
#include "page_drawing/axis_scale.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(AxisScale, EndsAtTheFarthestRecordRoundedUpButNotPastTheLongestChromosome) {
  struct Case {
    std::int64_t farthest, longest, end, step;
  };
  const Case cases[] = {
      {3'050, 20'919'600, 3'500, 500},                  // the bundled example
      {20'919'600, 20'919'600, 20'919'600, 5'000'000},  // records to the end of V
      {14'000'001, 20'919'600, 16'000'000, 2'000'000},
      {0, 20'919'600, 20'919'600, 5'000'000},  // no records
      {1, 20'919'600, 1, 1},
      {30, 20, 30, 5},  // a record past the longest chromosome
  };
  for (const Case& c : cases) {
    const Axis axis = axis_for(c.farthest, c.longest);
    EXPECT_EQ(axis.end, c.end) << c.farthest;
    EXPECT_EQ(axis.step, c.step) << c.farthest;
  }
  EXPECT_EQ(ticks(Axis{3'500, 500}).size(), 8u);
  EXPECT_EQ(ticks(Axis{20'919'600, 5'000'000}).back(), 20'000'000);
}

TEST(AxisScale, LabelsInTheUnitOfTheStep) {
  EXPECT_EQ(tick_label(0, 5'000'000), "0");
  EXPECT_EQ(tick_label(15'000'000, 5'000'000), "15 Mb");
  EXPECT_EQ(tick_label(1'500'000, 500'000), "1.5 Mb");
  EXPECT_EQ(tick_label(2'000'000, 200'000), "2 Mb");
  EXPECT_EQ(tick_label(40'000, 20'000), "40 kb");
  EXPECT_EQ(tick_label(1'500, 500), "1,500");
}

}  // namespace
}  // namespace vesmar
