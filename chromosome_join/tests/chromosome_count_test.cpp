#include "chromosome_join/chromosome_count.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vesmar {
namespace {

TEST(ChromosomeCount, AsksTheWholePartOfTheLeadingNumberAndKeepsTheFraction) {
  struct Case {
    const char* answer;
    double number_value;
    std::int64_t files;
  };
  const Case cases[] = {
      {"2", 2.0, 2},     {"2.9", 2.9, 2},  {"2.5", 2.5, 2}, {"3abc", 3.0, 3}, {" 6", 6.0, 6},
      {"1e1", 10.0, 10}, {"0.5", 0.5, 0},  {"0", 0.0, 0},   {"-2", -2.0, 0},  {"-0.5", -0.5, 0},
      {"", 0.0, 0},      {"abc", 0.0, 0},  {"six", 0.0, 0}, {"0x6", 0.0, 0},  {"+1", 1.0, 1},
  };
  for (const Case& c : cases) {
    const ChromosomeCount count = chromosome_count(c.answer);
    EXPECT_EQ(count.number_value, c.number_value) << "answer: " << c.answer;
    EXPECT_EQ(count.files, c.files) << "answer: " << c.answer;
  }
}

TEST(ChromosomeCount, HugeCountsStayCountable) {
  EXPECT_GT(chromosome_count("1e300").files, std::int64_t{1} << 60);
  EXPECT_GT(chromosome_count("1e999").files, std::int64_t{1} << 60);
  EXPECT_TRUE(std::isinf(chromosome_count("1e999").number_value));
  EXPECT_EQ(chromosome_count("-1e999").files, 0);
}

}  // namespace
}  // namespace vesmar
