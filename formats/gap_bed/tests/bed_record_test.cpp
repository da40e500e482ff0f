// The BED lines as a reader meets them: the scanner's records, and lines
// cut short or changed by hand.
#include <gtest/gtest.h>

#include <string>

#include "formats/gap_bed/bed_record.h"

namespace vesmar {
namespace {

const ChromosomeLayout kWorm = built_in_layout();

// A record cut anywhere is read as a record or left out, never more.
TEST(BedLine, EveryPrefixOfARecordIsReadOrLeftOut) {
  const std::string bed = "I\t1699\t1705\tves-2.intron1\t0\t-\t6\tflanked_by_2_mutant_reads";
  for (std::size_t cut = 0; cut <= bed.size(); ++cut) {
    GapRecord record;
    const LineKind kind = read_bed_line(bed.substr(0, cut), kWorm, record);
    EXPECT_TRUE(kind == LineKind::Malformed || (kind == LineKind::Record && record.start == 1699)) << cut;
  }
}

TEST(BedLine, StretchesInsertionsAndLinesLeftOut) {
  GapRecord record;
  ASSERT_EQ(read_bed_line("I\t1300\t1300\tI.intergenic2\t0\t+\t0\tinsertion", kWorm, record), LineKind::Record);
  EXPECT_EQ(record.length(), 0);
  EXPECT_EQ(record.comment, "insertion");
  // The interval over both changed positions is the same point between them.
  const struct {
    const char* line;
    std::int64_t point;
  } insertions[] = {{"I\t1299\t1301\tr\t0\t+\t0\tinsertion", 1300},
                    {"I\t0\t1\tr\t0\t+\t0\tinsertion", 0},
                    {"I\t59\t60\tr;cut_at_chromosome_end\t0\t+\t0\tinsertion", 60}};
  for (const auto& insertion : insertions) {
    ASSERT_EQ(read_bed_line(insertion.line, kWorm, record), LineKind::Record) << insertion.line;
    EXPECT_EQ(record.start, insertion.point) << insertion.line;
    EXPECT_EQ(record.end, insertion.point) << insertion.line;
  }
  ASSERT_EQ(read_bed_line("X\t0\t12", kWorm, record), LineKind::Record);
  EXPECT_EQ(record.key(), std::pair(5, std::int64_t{0}));
  EXPECT_EQ(record.name + record.comment, "");
  EXPECT_EQ(read_bed_line("#chrom\tstart\tend", kWorm, record), LineKind::Header);
  EXPECT_EQ(read_bed_line("track name=gaps", kWorm, record), LineKind::Header);
  EXPECT_EQ(read_bed_line("Y\t1\t2", kWorm, record), LineKind::OtherChromosome);
  EXPECT_EQ(read_bed_line("I\t12\t11", kWorm, record), LineKind::Malformed);
  EXPECT_EQ(read_bed_line("I\t-1\t11", kWorm, record), LineKind::Malformed);
}

TEST(BedLine, ChromosomesOfALayoutFile) {
  const ChromosomeLayout yeast =
      layout_from_lengths({{"chrI", 230218}, {"chrII", 813184}, {"chrXVI", 948066}, {"chrM", 85779}}, "yeast.txt")
          .value();
  GapRecord record;
  ASSERT_EQ(read_bed_line("chrXVI\t10\t20\tr", yeast, record), LineKind::Record);
  EXPECT_EQ(record.key(), std::pair(2, std::int64_t{10}));
  ASSERT_EQ(read_bed_line("II\t10\t20", yeast, record), LineKind::Record);  // the same chromosome, spelt otherwise
  EXPECT_EQ(record.chromosome, 1);
  EXPECT_EQ(read_bed_line("chrXV\t10\t20", yeast, record), LineKind::OtherChromosome);
  EXPECT_EQ(read_bed_line("X\t0\t12", yeast, record), LineKind::OtherChromosome);
}

}  // namespace
}  // namespace vesmar
