#include "engine/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vesmar {
namespace {

TEST(ReadAtoi, ReadsLikeTheCLibrary) {
  EXPECT_EQ(read_atoi("12"), 12);
  EXPECT_EQ(read_atoi("12\r"), 12);
  EXPECT_EQ(read_atoi("  \t-7x"), -7);
  EXPECT_EQ(read_atoi("+5"), 5);
  EXPECT_EQ(read_atoi(""), 0);
  EXPECT_EQ(read_atoi("abc"), 0);
  EXPECT_EQ(read_atoi("-"), 0);
  EXPECT_EQ(read_atoi("+-3"), 0);
  EXPECT_EQ(read_atoi("3.9"), 3);
  EXPECT_EQ(read_atoi("\v\f\n 0042"), 42);
}

TEST(ReadAtoi, SaturatesOutsideThirtyTwoBits) {
  constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(read_atoi("2147483647"), kMax);
  EXPECT_EQ(read_atoi("2147483648"), kMax);
  EXPECT_EQ(read_atoi("-2147483648"), kMin);
  EXPECT_EQ(read_atoi("-2147483649"), kMin);
  EXPECT_EQ(read_atoi("99999999999999999999999999999999"), kMax);
  EXPECT_EQ(read_atoi("-99999999999999999999999999999999"), kMin);
}

TEST(ReadLeadingDecimal, TakesTheLongestDecimalPrefix) {
  EXPECT_DOUBLE_EQ(read_leading_decimal("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(read_leading_decimal("0.5"), 0.5);
  EXPECT_DOUBLE_EQ(read_leading_decimal("3abc"), 3.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("abc"), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal(""), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("  -1.5e2x"), -150.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("1e"), 1.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("1e+"), 1.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(read_leading_decimal("5."), 5.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("."), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("-."), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("01"), 1.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("1.0"), 1.0);
}

TEST(ReadLeadingDecimal, ReadsHexadecimalAndWordsAsZero) {
  EXPECT_DOUBLE_EQ(read_leading_decimal("0x10"), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("inf"), 0.0);
  EXPECT_DOUBLE_EQ(read_leading_decimal("nan"), 0.0);
  EXPECT_TRUE(std::isinf(read_leading_decimal("1e999")));
  EXPECT_EQ(leading_decimal_length("12ab"), 2u);
  EXPECT_EQ(leading_decimal_length(" 1.5e3"), 6u);
  EXPECT_EQ(leading_decimal_length("x"), 0u);
}

}  // namespace
}  // namespace vesmar
