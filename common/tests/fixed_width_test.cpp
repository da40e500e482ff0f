#include "common/fixed_width.h"

#include <gtest/gtest.h>

#include <limits>

namespace vesmar {
namespace {

TEST(FixedWidth, PadsShortValuesAndWritesLongOnesWhole) {
  std::string line;
  append_field(line, "Exon", 6);
  append_field(line, "toolongvalue", 4);
  append_field(line, "", 2);
  EXPECT_EQ(line, "Exon  toolongvalue  ");
}

TEST(FixedWidth, NumbersWithAndWithoutExplicitSign) {
  std::string line;
  append_number_field(line, -10, 5);
  append_number_field(line, 0, 4, true);
  append_number_field(line, 7, 1, true);
  append_number_field(line, -2, 4, true);
  append_number(line, 1234567890123);
  EXPECT_EQ(line, "-10  +0  +7-2  1234567890123");
  std::string extreme;
  append_number(extreme, std::numeric_limits<std::int64_t>::min());
  append_number(extreme, std::numeric_limits<std::int64_t>::max(), true);
  EXPECT_EQ(extreme, "-9223372036854775808+9223372036854775807");
}

TEST(FixedWidth, WritesInPlaceEvenFromViewsWithoutData) {
  char row[64];
  char* end = put_field(row, std::string_view(), 3);
  end = put_number_field(end, -42, 5, true);
  end = put_field(end, "abcdef", 2);
  EXPECT_EQ(std::string_view(row, end - row), "   -42  abcdef");
}

}  // namespace
}  // namespace vesmar
