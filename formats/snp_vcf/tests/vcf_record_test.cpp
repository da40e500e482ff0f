// The VCF lines as a reader meets them: the scanner's records, and lines
// cut short or changed by hand.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "formats/snp_vcf/vcf_record.h"

namespace vesmar {
namespace {

const ChromosomeLayout kWorm = built_in_layout();

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
      {"beside its exon", "V\t9\t.\tG\tA\t.\t.\tCLASS=exon;RPOS=-2;CSQ=splice_region|g||\tAD:DP\t3,9:12",
       LineKind::Record, SnpClass::SpliceRegion, 3, 9},
      {"splice_region only counts in an exon's file",
       "V\t9\t.\tG\tA\t.\t.\tCLASS=intron;CSQ=splice_region|g||\tAD:DP\t3,9:12", LineKind::Record, SnpClass::Intron,
       3, 9},
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
    ASSERT_EQ(read_vcf_line(c.line, SnpClass::Intron, kWorm, record), c.kind);
    if (c.kind != LineKind::Record) continue;
    EXPECT_EQ(record.snp_class, c.snp_class);
    EXPECT_EQ(record.wt_reads, c.wt);
    EXPECT_EQ(record.mut_reads, c.mut);
  }
}

TEST(VcfLine, KeepsTheTextsOfTheRecord) {
  SnpRecord record;
  ASSERT_EQ(read_vcf_line(kMissense, SnpClass::Exon, kWorm, record), LineKind::Record);
  EXPECT_EQ(record.key(), std::pair(0, std::int64_t{447}));
  EXPECT_EQ(record.region + record.consequence + record.codons + record.amino_acids,
            "ves-1.exon1missensegga>agaGly>Arg");
  EXPECT_DOUBLE_EQ(record.mutant_share(), 1.0);
  EXPECT_EQ(vcf_setting("##vesmar_min_mut_reads=2"),
            std::pair(std::string_view("vesmar_min_mut_reads"), std::string_view("2")));
  EXPECT_EQ(vcf_setting("##contig=<ID=I>"), std::nullopt);
}

// A record cut anywhere is read as a record or left out, never more.
TEST(VcfLine, EveryPrefixOfARecordIsReadOrLeftOut) {
  for (std::size_t cut = 0; cut <= kMissense.size(); ++cut) {
    SnpRecord record;
    const LineKind kind = read_vcf_line(kMissense.substr(0, cut), SnpClass::Exon, kWorm, record);
    EXPECT_TRUE(kind == LineKind::Malformed || (kind == LineKind::Record && record.position == 447)) << cut;
  }
}

// With a layout file, CHROM names one of its chromosomes, of whatever name,
// and the record takes its place in the layout's order; a name that the
// layout holds in none of its spellings is another chromosome's.
TEST(VcfLine, ChromosomesOfALayoutFile) {
  const ChromosomeLayout fly =
      layout_from_lengths({{"2L", 23513712}, {"2R", 25286936}, {"X", 23542271}, {"Y", 3667352}}, "fly.txt").value();
  const struct {
    const char* chrom;
    std::optional<int> place;
  } cases[] = {{"2L", 0}, {"2R", 1}, {"Y", 3}, {"chr2R", 1}, {"I", std::nullopt}, {"2l", std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chrom);
    SnpRecord record;
    const LineKind kind = read_vcf_line(std::string(c.chrom) + "\t5\t.\tC\tT\t.\t.\t.", SnpClass::Exon, fly, record);
    EXPECT_EQ(kind, c.place ? LineKind::Record : LineKind::OtherChromosome);
    if (c.place) {
      EXPECT_EQ(record.key(), std::pair(*c.place, std::int64_t{5}));
    }
  }
}

}  // namespace
}  // namespace vesmar
