#include "formats/gap_bed/gap_bed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "testing/program_run.h"

namespace vesmar {
namespace {

struct BedRow {
  GapEntry gap;
  Region region;
};

std::string bed_of(const std::vector<BedRow>& rows, std::int64_t expected_left_out = 0,
                   const ChromosomeLayout& layout = built_in_layout()) {
  testing::ScratchFolder folder;
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(folder.path("bed"), OutputFile::Mode::Replace);
  EXPECT_TRUE(file.ok());
  GapBed bed(layout);
  for (const BedRow& row : rows) bed.add(row.gap, row.region, find_region_chromosome(layout, row.region.chromosome));
  bed.write(*file.value());
  EXPECT_TRUE(file.value()->commit().ok());
  EXPECT_EQ(bed.left_out(), expected_left_out);
  const std::string text = folder.read("bed");
  const std::string heading = "#chrom\tstart\tend\tname\tscore\tstrand\tgap_length\tcomment\n";
  EXPECT_TRUE(text.starts_with(heading));
  EXPECT_EQ(bed.lines(), std::count(text.begin(), text.end(), '\n') - 1);
  return text.substr(heading.size());
}

constexpr std::int32_t kOffsetOfII = 15072450;

TEST(GapBed, LinesByKindOfEntry) {
  const Region exon{"F56A8.1exon2", 1000, 2000, "I", "1"};
  const struct {
    const char* what;
    BedRow row;
    std::string line;
  } cases[] = {
      // Genome positions 1006 to 1008 are bases 1005 to 1007 counted from 0.
      {"a gap", {{1008, 3, GapComment::None}, exon}, "I\t1005\t1008\tF56A8.1exon2\t0\t+\t3\t.\n"},
      {"one mutant read beside it",
       {{1008, 3, GapComment::FlankedByOneMutant}, Region{"r", 990, 1100, "I", "-1"}},
       "I\t1005\t1008\tr\t0\t-\t3\tflanked_by_1_mutant_read\n"},
      {"two mutant reads beside it",
       {{kOffsetOfII + 8, 1, GapComment::FlankedByTwoMutants}, Region{"r", kOffsetOfII, kOffsetOfII + 9, "II", "0"}},
       "II\t7\t8\tr\t0\t.\t1\tflanked_by_2_mutant_reads\n"},
      // Mutant positions 1008 and 1009, bases 1007 and 1008 counted from 0.
      {"an insertion", {{1008, 0, GapComment::Insertion}, exon}, "I\t1007\t1009\tF56A8.1exon2\t0\t+\t0\tinsertion\n"},
      {"a name with blanks", {{1008, 3, GapComment::None}, Region{"a b%", 990, 1100, "I", "1\r"}},
       "I\t1005\t1008\ta%20b%25\t0\t.\t3\t.\n"},
      {"a gap begun before the chromosome",
       {{kOffsetOfII + 2, 5, GapComment::None}, Region{"r", kOffsetOfII, kOffsetOfII + 9, "II", "1"}},
       "II\t0\t2\tr\t0\t+\t5\t.\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(bed_of({c.row}), c.line) << c.what;
}

TEST(GapBed, RowsOffTheChromosomesAreLeftOut) {
  EXPECT_EQ(bed_of({{{1008, 3, GapComment::None}, Region{"r", 990, 1100, "Y", "1"}},
                    {{1008, 3, GapComment::None}, Region{"r", 990, 1100, "I\r", "1"}},
                    {{1008, 3, GapComment::None}, Region{"r", 990, 1100, "II", "1"}}},
                   3),
            "");
}

// With a layout file: its names, and intervals that end at the chromosome's
// end (60 bases of "a", its padding to 100, then "b" from 100 on).
TEST(GapBed, WithALayoutItsNamesAndIntervalsCutAtTheChromosomesEnd) {
  const ChromosomeLayout layout = layout_from_lengths({{"CHROMOSOME_a", 60}, {"b", 10}}, "chromosomes.txt").value();
  const Region end_of_a{"r", 40, 99, "a", "1"};
  const Region on_b{"s", 100, 109, "chrb", "-1"};
  const struct {
    const char* what;
    BedRow row;
    std::string line;
    std::int64_t left_out;
  } cases[] = {
      {"a gap within", {{55, 5, GapComment::None}, end_of_a}, "CHROMOSOME_a\t50\t55\tr\t0\t+\t5\t.\n", 0},
      {"a gap to the last base", {{60, 5, GapComment::None}, end_of_a}, "CHROMOSOME_a\t55\t60\tr\t0\t+\t5\t.\n", 0},
      {"a gap into the padding", {{100, 45, GapComment::FlankedByOneMutant}, end_of_a},
       "CHROMOSOME_a\t55\t60\tr;cut_at_chromosome_end\t0\t+\t45\tflanked_by_1_mutant_read\n", 0},
      {"an insertion over the last base", {{60, 0, GapComment::Insertion}, end_of_a},
       "CHROMOSOME_a\t59\t60\tr;cut_at_chromosome_end\t0\t+\t0\tinsertion\n", 0},
      {"a gap in the padding alone", {{90, 20, GapComment::None}, end_of_a}, "", 1},
      {"a usual spelling", {{105, 2, GapComment::None}, on_b}, "b\t3\t5\ts\t0\t-\t2\t.\n", 0},
      {"a chromosome the layout lacks", {{55, 5, GapComment::None}, Region{"r", 40, 99, "I", "1"}}, "", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(bed_of({c.row}, c.left_out, layout), c.line) << c.what;
}

TEST(GapBed, SortedByChromosomeThenStartKeepingReportOrderOtherwise) {
  // The report's order is by region; the BED's by place.
  const Region on_ii{"b", kOffsetOfII, kOffsetOfII + 900, "II", "1"};
  const Region wide{"a", 0, 5000, "I", "1"};
  const Region narrow{"c", 1000, 1100, "I", "1"};
  EXPECT_EQ(bed_of({{{kOffsetOfII + 20, 10, GapComment::None}, on_ii},
                    {{3000, 10, GapComment::None}, wide},
                    {{1050, 10, GapComment::None}, wide},
                    {{1050, 10, GapComment::None}, narrow}}),
            "I\t1040\t1050\ta\t0\t+\t10\t.\n"
            "I\t1040\t1050\tc\t0\t+\t10\t.\n"
            "I\t2990\t3000\ta\t0\t+\t10\t.\n"
            "II\t10\t20\tb\t0\t+\t10\t.\n");
}

}  // namespace
}  // namespace vesmar
