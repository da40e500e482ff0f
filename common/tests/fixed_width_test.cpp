#include "common/fixed_width.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

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

// Every length that the short copies treat apart, from texts allocated to
// their exact size (the sanitizer build sees a byte read past one), and
// nothing written past the copy.
TEST(FixedWidth, CopiesTextsOfEveryLengthExactly) {
  for (std::size_t size = 0; size <= 70; ++size) {
    const std::unique_ptr<char[]> text(new char[size]);
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>('A' + i % 50);
    std::string out(size + 8, '#');
    copy_text(out.data(), text.get(), size);
    EXPECT_EQ(out.substr(0, size), std::string(text.get(), size)) << size;
    EXPECT_EQ(out.substr(size), std::string(8, '#')) << size;
  }
}

}  // namespace
}  // namespace vesmar
