#include "engine/fixed_width.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

namespace vesmar {
namespace {

std::string written(const std::function<char*(char*)>& put) {
  char row[128];
  return std::string(row, put(row));
}

TEST(FixedWidth, PadsShortValuesAndWritesLongOnesWhole) {
  EXPECT_EQ(written([](char* out) {
              out = put_field(out, "Exon", 6);
              out = put_column(out, "toolongvalue", 4);
              return put_field(out, std::string_view(), 2);  // a view without data too
            }),
            "Exon  toolongvalue   ");
}

TEST(FixedWidth, NumbersWithAndWithoutExplicitSign) {
  EXPECT_EQ(written([](char* out) {
              out = put_number_field(out, -10, 5);
              out = put_number_field(out, 0, 4, true);
              out = put_number_column(out, 7, 1, true);
              out = put_number_field(out, -2, 4, true);
              return put_number_field(out, 1234567890123, 0);
            }),
            "-10  +0  +7 -2  1234567890123");
  EXPECT_EQ(written([](char* out) {
              out = put_number_field(out, std::numeric_limits<std::int64_t>::min(), 0);
              return put_number_field(out, std::numeric_limits<std::int64_t>::max(), 0, true);
            }),
            "-9223372036854775808+9223372036854775807");
}

TEST(FixedWidth, HeadingLinePadsEveryColumnButEndsWithoutABlank) {
  const Column columns[] = {{"Number", 8}, {"Chrom. Pos.", 4}, {"Mut", 5}};
  EXPECT_EQ(heading_line(columns), "Number   Chrom. Pos. Mut  \n");
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
