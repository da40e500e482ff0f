// The VCF and BED lines as the overview reads them: the scanners' records,
// and lines cut short or changed by hand.
#include <gtest/gtest.h>

#include <string>

#include "genome_overview/bed_record.h"
#include "genome_overview/field_text.h"
#include "genome_overview/vcf_record.h"

namespace vesmar {
namespace {

const std::string kMissense =
    "I\t447\t.\tG\tA\t.\t.\tREGION=ves-1.exon1;CLASS=exon;STRAND=1;RPOS=46;CSQ=missense|ves-1|gga>aga|Gly>Arg\t"
    "AD:DP\t0,44:44";

struct VcfCase {
  const char* what;
  std::string line;
  LineKind kind;
  SnpClass snp_class = SnpClass::Intron;
  std::int64_t wt = -1, mut = -1;
};

TEST(VcfLine, ClassAndReadsOfEachRecord) {
  const VcfCase cases[] = {
      {"exon SNP changing a protein", kMissense, LineKind::Record, SnpClass::ProteinChange, 0, 44},
      {"synonymous stays an exon SNP",
       "V\t9\t.\tG\tA\t.\t.\tCLASS=exon;CSQ=synonymous|g|gga>ggg|Gly>Gly\tAD:DP\t3,9:12", LineKind::Record,
       SnpClass::Exon, 3, 9},
      {"stop_lost, AD after other keys", "X\t9\t.\tG\tA\t.\t.\tCLASS=exon;CSQ=stop_lost|g|a|b\tDP:AD\t12:3,9",
       LineKind::Record, SnpClass::ProteinChange, 3, 9},
      {"no CLASS: the file's", "II\t5\t.\tC\tT\t.\t.\tREGION=r\tAD:DP\t1,2:3", LineKind::Record, SnpClass::Intron, 1,
       2},
      {"intergenic, no sample column", "III\t5\t.\tC\tT\t.\t.\tCLASS=intergenic", LineKind::Record,
       SnpClass::Intergenic},
      {"AD that is no pair of numbers", "IV\t5\t.\tC\tT\t.\t.\tCLASS=intron\tAD:DP\t1;2:3", LineKind::Record},
      {"carriage return", "I\t5\t.\tC\tT\t.\t.\t.\tAD:DP\t4,5:9\r", LineKind::Record, SnpClass::Intron, 4, 5},
      {"header", "##vesmar_ratio=3", LineKind::Header},
      {"column line", "#CHROM\tPOS", LineKind::Header},
      {"other chromosome", "chrI\t5\t.\tC\tT\t.\t.\t.", LineKind::OtherChromosome},
      {"position 0", "I\t0\t.\tC\tT\t.\t.\t.", LineKind::Malformed},
      {"position with a sign", "I\t+5\t.\tC\tT\t.\t.\t.", LineKind::Malformed},
      {"position past 32 bits", "I\t2147483648\t.\tC\tT\t.\t.\t.", LineKind::Malformed},
      {"blanks for tabs", "I 447 . G A . . CLASS=exon", LineKind::Malformed},
      {"empty line", "", LineKind::Malformed},
  };
  for (const VcfCase& c : cases) {
    SCOPED_TRACE(c.what);
    SnpRecord record;
    ASSERT_EQ(read_vcf_line(c.line, SnpClass::Intron, record), c.kind);
    if (c.kind != LineKind::Record) continue;
    EXPECT_EQ(record.snp_class, c.snp_class);
    EXPECT_EQ(record.wt_reads, c.wt);
    EXPECT_EQ(record.mut_reads, c.mut);
  }
}

TEST(VcfLine, KeepsTheTextsOfTheRecord) {
  SnpRecord record;
  ASSERT_EQ(read_vcf_line(kMissense, SnpClass::Exon, record), LineKind::Record);
  EXPECT_EQ(record.key(), std::pair(0, std::int64_t{447}));
  EXPECT_EQ(record.region + record.consequence + record.codons + record.amino_acids,
            "ves-1.exon1missensegga>agaGly>Arg");
  EXPECT_DOUBLE_EQ(record.mutant_share(), 1.0);
  EXPECT_EQ(vcf_setting("##vesmar_min_mut_reads=2"),
            std::pair(std::string_view("vesmar_min_mut_reads"), std::string_view("2")));
  EXPECT_EQ(vcf_setting("##contig=<ID=I>"), std::nullopt);
}

// A file cut anywhere: every piece of a record is read as a record or left
// out, never more.
TEST(VcfAndBedLines, EveryPrefixOfARecordIsReadOrLeftOut) {
  const std::string bed = "I\t1699\t1705\tves-2.intron1\t0\t-\t6\tflanked_by_2_mutant_reads";
  for (std::size_t cut = 0; cut <= kMissense.size(); ++cut) {
    SnpRecord record;
    const LineKind kind = read_vcf_line(kMissense.substr(0, cut), SnpClass::Exon, record);
    EXPECT_TRUE(kind == LineKind::Malformed || (kind == LineKind::Record && record.position == 447)) << cut;
  }
  for (std::size_t cut = 0; cut <= bed.size(); ++cut) {
    GapRecord record;
    const LineKind kind = read_bed_line(bed.substr(0, cut), record);
    EXPECT_TRUE(kind == LineKind::Malformed || (kind == LineKind::Record && record.start == 1699)) << cut;
  }
}

TEST(BedLine, StretchesInsertionsAndLinesLeftOut) {
  GapRecord record;
  ASSERT_EQ(read_bed_line("I\t1300\t1300\tI.intergenic2\t0\t+\t0\tinsertion", record), LineKind::Record);
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
    ASSERT_EQ(read_bed_line(insertion.line, record), LineKind::Record) << insertion.line;
    EXPECT_EQ(record.start, insertion.point) << insertion.line;
    EXPECT_EQ(record.end, insertion.point) << insertion.line;
  }
  ASSERT_EQ(read_bed_line("X\t0\t12", record), LineKind::Record);
  EXPECT_EQ(record.key(), std::pair(5, std::int64_t{0}));
  EXPECT_EQ(record.name + record.comment, "");
  EXPECT_EQ(read_bed_line("#chrom\tstart\tend", record), LineKind::Header);
  EXPECT_EQ(read_bed_line("track name=gaps", record), LineKind::Header);
  EXPECT_EQ(read_bed_line("Y\t1\t2", record), LineKind::OtherChromosome);
  EXPECT_EQ(read_bed_line("I\t12\t11", record), LineKind::Malformed);
  EXPECT_EQ(read_bed_line("I\t-1\t11", record), LineKind::Malformed);
}

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
