#include "reads_importer/gseq_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

// Ten fields of a gseq record before the filter field, the read being field 9.
const std::string kFirstTen = "HWI-EAS1\t4\t1\t1\t1012\t1993\t0\t1\tACGT.NACGT\tBBBBB";

// The read of `line`, given with 64 readable bytes behind it, as a line in
// a block has. The bytes behind it are white space or letters: neither may
// change the result.
std::optional<std::string> read_of(const std::string& line) {
  std::optional<std::string> result;
  for (const char behind : {'\t', 'x'}) {
    const std::string in_block = line + std::string(64, behind);
    const std::optional<std::string_view> read =
        gseq_read_in_block(std::string_view(in_block).substr(0, line.size()));
    if (behind == '\t') {
      if (read) result = std::string(*read);
    } else {
      EXPECT_EQ(read.has_value(), result.has_value()) << line;
      if (read && result) {
        EXPECT_EQ(*read, *result) << line;
      }
    }
  }
  return result;
}

TEST(GseqRead, FieldNineOfAnElevenFieldRecordThatPassedTheFilter) {
  EXPECT_EQ(read_of(kFirstTen + "\t1"), "ACGT.NACGT");
  EXPECT_EQ(read_of("a b c d e f g h READ j 1"), "READ");
}

TEST(GseqRead, FieldElevenCountsAsOneWhenItsLeadingNumberIsOne) {
  for (const char* filter : {"1", "01", "1.0", "1e0", "+1", "1abc", "1.", "0.1e1"}) {
    EXPECT_EQ(read_of(kFirstTen + "\t" + filter), "ACGT.NACGT") << "filter: " << filter;
  }
  for (const char* filter : {"0", "Y", "N", "2", "-1", "0.99", "1.5", ".", "x1", "11"}) {
    EXPECT_EQ(read_of(kFirstTen + "\t" + filter), std::nullopt) << "filter: " << filter;
  }
}

TEST(GseqRead, OnlyExactlyElevenFieldsMakeARecord) {
  EXPECT_EQ(read_of(kFirstTen), std::nullopt);
  EXPECT_EQ(read_of(kFirstTen + "\t1\t1"), std::nullopt);
  EXPECT_EQ(read_of(kFirstTen + "\t1\textra"), std::nullopt);
  EXPECT_EQ(read_of(""), std::nullopt);
  EXPECT_EQ(read_of(" "), std::nullopt);
  EXPECT_EQ(read_of("1"), std::nullopt);
}

TEST(GseqRead, LeadingWhiteSpaceMakesAnEmptyFirstField) {
  EXPECT_EQ(read_of(" " + kFirstTen + "\t1"), std::nullopt);
  EXPECT_EQ(read_of("\t" + kFirstTen + "\t1"), std::nullopt);
  // The empty first field counts: field 9 is then the eighth written one.
  EXPECT_EQ(read_of(" b c d e f g h READ j 1"), "READ");
  EXPECT_EQ(read_of(" a b c d e f g h READ j 1"), std::nullopt);
}

TEST(GseqRead, TrailingWhiteSpaceAndCarriageReturnsMakeNoField) {
  EXPECT_EQ(read_of(kFirstTen + "\t1 "), "ACGT.NACGT");
  EXPECT_EQ(read_of(kFirstTen + "\t1\r"), "ACGT.NACGT");
  EXPECT_EQ(read_of(kFirstTen + "\t1 \t\r\f\n"), "ACGT.NACGT");
}

TEST(GseqRead, RunsOfAnyWhiteSpaceSeparateFields) {
  EXPECT_EQ(read_of("a  b\t\tc \t d\re\ff\ng h READ j 1"), "READ");
}

TEST(GseqRead, VerticalTabIsPartOfAField) {
  EXPECT_EQ(read_of("a b c d e f g h RE\vAD j 1"), "RE\vAD");
  EXPECT_EQ(read_of("a\vb c d e f g h i READ j 1"), "READ");
}

TEST(GseqRead, AnyOtherBytesStayInTheirField) {
  using namespace std::string_literals;
  EXPECT_EQ(read_of("a b c d e f g h \x01\xff\0z j 1"s), "\x01\xff\0z"s);
}

TEST(GseqRead, FieldsAnywhereInLinesOfAnyLength) {
  // The line is looked at 64 bytes at a time: move every field across the
  // boundaries by lengthening the first one, and let the line end anywhere.
  for (std::size_t first = 1; first <= 140; ++first) {
    const std::string head(first, 'H');
    EXPECT_EQ(read_of(head + " b c d e f g h READ j 1"), "READ") << first;
    EXPECT_EQ(read_of(head + " b c d e f g h READ j 1" + std::string(first % 70, ' ')), "READ") << first;
    EXPECT_EQ(read_of(head + " b c d e f g h READ j 0"), std::nullopt) << first;
    EXPECT_EQ(read_of(head + " b c d e f g h READ j 1 l"), std::nullopt) << first;
    EXPECT_EQ(read_of("a b c d e f g h " + head + " j 1"), head) << first;
    EXPECT_EQ(read_of("a b c d e f g h READ " + head + " 1.0"), "READ") << first;
    EXPECT_EQ(read_of("a b c d e f g h READ j " + head), std::nullopt) << first;
  }
}

}  // namespace
}  // namespace vesmar
