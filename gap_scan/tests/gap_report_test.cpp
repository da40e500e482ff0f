#include "gap_scan/gap_report.h"

#include <gtest/gtest.h>

#include <string>

namespace vesmar {
namespace {

const Region kExon{"F56A8.1exon2", 1000, 2000, "I", "1"};

std::string row(std::int64_t number, const GapEntry& gap, const Region& region) {
  const ChromosomeLayout layout = built_in_layout();
  std::optional<std::int64_t> offset;
  if (const std::optional<std::size_t> chromosome = find_region_chromosome(layout, region.chromosome)) {
    offset = layout.chromosomes[*chromosome].offset;
  }
  std::string line(longest_gap_row(region), '\0');
  line.resize(static_cast<std::size_t>(put_gap_row(line.data(), number, gap, region, offset) - line.data()));
  return line;
}

// The fields of a row between the blanks, for checking values one by one.
std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    std::size_t next = line.find_first_of(" \n", at);
    if (next != at) fields.push_back(line.substr(at, next - at));
    at = next + 1;
  }
  return fields;
}

TEST(GapReport, HeadingIsNineFixedLines) {
  const std::string expected =
      "\n"
      "      Gap_region_scan output file\n"
      "      ------------------------------\n"
      "\n"
      "Exon, intron, or intergenic positions on strands marked '1' are relative to the 5' end of "
      "the reference exon\n"
      "Exon, intron, or intergenic positions on strands marked '-1', are relative to the 3' end of "
      "the reference exon\n"
      "\n"
      "Number      Exon                Chrom.      Strand      Start       End         "
      "Gen. Pos. Start     Gen. Pos. End       Length      Comments   \n" +
      std::string(158, '-') + "\n";
  EXPECT_EQ(gap_report_heading(), expected);
}

TEST(GapReport, RowOfAGapInARegionOfChromosomeI) {
  // The gap covers genome positions 1006 to 1008.
  EXPECT_EQ(row(1, GapEntry{1008, 3, GapComment::None}, kExon),
            "1           F56A8.1exon2        I           1           +6          +9          "
            "1005                1008                3           \n");
}

TEST(GapReport, ChromosomePositionsAreTheSameOnEveryChromosome) {
  const std::int32_t offset = 15072450;
  const Region shifted{"F56A8.1exon2", 1000 + offset, 2000 + offset, "II", "1"};
  EXPECT_EQ(fields_of(row(1, GapEntry{1008 + offset, 3, GapComment::None}, shifted)),
            (std::vector<std::string>{"1", "F56A8.1exon2", "II", "1", "+6", "+9", "1005", "1008", "3"}));
  const Region on_x{"x", 82548900 + 1, 82548900 + 9, "X", "-1"};
  EXPECT_EQ(fields_of(row(2, GapEntry{82548900 + 5, 2, GapComment::None}, on_x)),
            (std::vector<std::string>{"2", "x", "X", "-1", "+3", "+5", "3", "5", "2"}));
}

TEST(GapReport, AnUnknownChromosomeLeavesOutThePositionColumns) {
  const Region with_carriage_returns{"F56A8.1exon2", 1000, 2000, "I\r", "-1\r"};
  EXPECT_EQ(row(12, GapEntry{1008, 3, GapComment::FlankedByOneMutant}, with_carriage_returns),
            "12          F56A8.1exon2        I\r          -1\r         +6          +9          3   "
            "        Flanked by 1 Mutant read\n");
}

TEST(GapReport, SignsOnStartAndEndOnly) {
  // A one-position gap p in a region starting at s: Start p - s, End p - s + 1.
  EXPECT_EQ(fields_of(row(1, GapEntry{1000, 1, GapComment::None}, kExon)),
            (std::vector<std::string>{"1", "F56A8.1exon2", "I", "1", "+0", "+1", "999", "1000", "1"}));
  // A gap starting two positions before the region's start.
  EXPECT_EQ(fields_of(row(1, GapEntry{1003, 6, GapComment::None}, kExon)),
            (std::vector<std::string>{"1", "F56A8.1exon2", "I", "1", "-2", "+4", "997", "1003", "6"}));
  // Negative chromosome positions keep their minus sign, and nothing else gets a plus.
  const Region before_offset{"e", 15072440, 15072460, "II", "1"};
  EXPECT_EQ(fields_of(row(3, GapEntry{15072445, 2, GapComment::None}, before_offset)),
            (std::vector<std::string>{"3", "e", "II", "1", "+4", "+6", "-7", "-5", "2"}));
}

TEST(GapReport, InsertionEntry) {
  EXPECT_EQ(row(7, GapEntry{1500, 0, GapComment::Insertion}, kExon),
            "7           F56A8.1exon2        I           1           +501        +501        "
            "1500                1500                0           Insertion? \n");
}

TEST(GapReport, FlankComments) {
  EXPECT_TRUE(row(1, GapEntry{1008, 3, GapComment::FlankedByTwoMutants}, kExon)
                  .ends_with(" 1008                3           Flanked by 2 Mutant reads\n"));
  EXPECT_TRUE(row(1, GapEntry{1008, 3, GapComment::FlankedByOneMutant}, kExon)
                  .ends_with(" 1008                3           Flanked by 1 Mutant read\n"));
}

TEST(GapReport, WideValuesAreWrittenWhole) {
  const Region long_name{"a_region_name_of_twenty_five", 1, 5, "chromosome_of_x", "strand_text"};
  EXPECT_EQ(row(123456789012, GapEntry{3, 1, GapComment::None}, long_name),
            "123456789012 a_region_name_of_twenty_five chromosome_of_x strand_text +2          +3  "
            "        1           \n");
}

TEST(GapReport, ExtremeValuesDoNotOverflow) {
  const Region low{"e", INT32_MIN, INT32_MAX, "I", "1"};
  EXPECT_EQ(fields_of(row(1, GapEntry{INT32_MAX, INT32_MAX, GapComment::None}, low)),
            (std::vector<std::string>{"1", "e", "I", "1", "+2147483649", "+4294967296", "0",
                                      "2147483647", "2147483647"}));
}

}  // namespace
}  // namespace vesmar
