#include "reads_importer/gseq_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

// Ten fields of a gseq record before the filter field, the read being field 9.
const std::string kFirstTen = "HWI-EAS1\t4\t1\t1\t1012\t1993\t0\t1\tACGT.NACGT\tBBBBB";

std::optional<std::string> read_of(const std::string& line) {
  std::optional<std::string_view> read = gseq_read(line);
  if (!read) return std::nullopt;
  return std::string(*read);
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

}  // namespace
}  // namespace vesmar
