#include <gtest/gtest.h>

#include "formats/record_lines/field_text.h"

namespace vesmar {
namespace {

TEST(FieldText, PercentCodesAndWholeNumbers) {
  EXPECT_EQ(percent_decoded("a%20b%3Bc%25"), "a b;c%");
  EXPECT_EQ(percent_decoded("50%"), "50%");
  EXPECT_EQ(percent_decoded("%2"), "%2");
  EXPECT_EQ(percent_decoded("%zz%4a"), "%zzJ");
  EXPECT_EQ(whole_number("2147483647"), 2147483647);
  EXPECT_EQ(whole_number("007"), 7);
  for (const char* other : {"", " 1", "1.5", "-1", "1e3", "99999999999"})
    EXPECT_EQ(whole_number(other), std::nullopt) << other;
}

}  // namespace
}  // namespace vesmar
