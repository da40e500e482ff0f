#include "reads_importer/read_normalisation.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

std::string line_of(std::string_view read) { return std::string(normalised_read_line(read).text()); }

TEST(ReadNormalisation, CutsTo32CharactersLowersCapitalsAndTurnsDotsIntoN) {
  EXPECT_EQ(line_of("ACGT.Nacgt" + std::string(26, 'T')), "acgtnnacgt" + std::string(22, 't') + "\n");
}

TEST(ReadNormalisation, KeepsShortReadsWholeAndCutsAtExactly32) {
  EXPECT_EQ(line_of(""), "\n");
  EXPECT_EQ(line_of("A"), "a\n");
  EXPECT_EQ(line_of(std::string(31, 'C')), std::string(31, 'c') + "\n");
  EXPECT_EQ(line_of(std::string(32, 'C')), std::string(32, 'c') + "\n");
  EXPECT_EQ(line_of(std::string(32, 'C') + "G"), std::string(32, 'c') + "\n");
  EXPECT_EQ(line_of(std::string(1000, 'G')), std::string(32, 'g') + "\n");
}

TEST(ReadNormalisation, OnlyCapitalsAndDotsChange) {
  EXPECT_EQ(line_of("@AZ[`az{"), "@az[`az{\n");
  EXPECT_EQ(line_of("-*.N0129 \t"), "-*nn0129 \t\n");
  EXPECT_EQ(line_of(std::string("\x80\xc3\xff\0", 4)), std::string("\x80\xc3\xff\0\n", 5));
}

TEST(ReadNormalisation, ACarriageReturnStaysWhenItIsWithinThe32) {
  EXPECT_EQ(line_of("ACGT\r"), "acgt\r\n");
  EXPECT_EQ(line_of(std::string(32, 'A') + "\r"), std::string(32, 'a') + "\n");
}

}  // namespace
}  // namespace vesmar
