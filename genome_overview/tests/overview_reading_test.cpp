// The files of one strain read in step: each SNP place and each stretch
// once, whatever files report it, and the lines left out counted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/program_run.h"
#include "genome_overview/overview_input.h"

namespace vesmar {
namespace {

std::string vcf_line(const std::string& chromosome, int position, const std::string& info) {
  return chromosome + "\t" + std::to_string(position) + "\t.\tG\tA\t.\t.\t" + info + "\tAD:DP\t1,3:4\n";
}

TEST(OverviewReading, AnSnpInSeveralFilesCountsOnceInItsMostSpecificClass) {
  testing::ScratchFolder folder;
  const std::string header = "##vesmar_ratio=3\n#CHROM\tPOS\n";
  folder.write("e.vcf", header + vcf_line("I", 521, "CLASS=exon") + vcf_line("I", 530, "CLASS=exon;CSQ=splice_region|g||") +
                            vcf_line("I", 701, "CLASS=exon;CSQ=missense|g|a|b") + vcf_line("II", 5, "CLASS=exon") +
                            "cut short\n");
  folder.write("i.vcf", header + vcf_line("I", 521, "CLASS=intron") + vcf_line("I", 530, "CLASS=intron") +
                            vcf_line("I", 701, "CLASS=intron") +
                            vcf_line("I", 900, "CLASS=intron") + vcf_line("I", 900, "CLASS=intron") +
                            vcf_line("chrM", 1, "CLASS=intron") + vcf_line("I", 800, "CLASS=intron"));
  const SnpFile files[] = {{folder.path("e.vcf"), SnpClass::Exon}, {folder.path("i.vcf"), SnpClass::Intron}};
  Overview overview;
  Result<std::vector<FileTally>> tallies = read_snp_files(files, overview);
  ASSERT_TRUE(tallies.ok());
  const ChromosomeTrack& one = overview.track(0);
  EXPECT_EQ(one.snps, (std::array<std::int64_t, kSnpClasses>{1, 1, 1, 2, 0}));  // 701, 521, 530, 900 and 800
  EXPECT_EQ(overview.track(1).all_snps(), 1);
  EXPECT_EQ(one.farthest, 900);
  EXPECT_EQ(overview.candidates().offered(), 1);
  EXPECT_EQ(tallies.value()[0].records, 4);
  EXPECT_EQ(tallies.value()[0].settings.front(), std::pair(std::string("vesmar_ratio"), std::string("3")));
  EXPECT_EQ(tallies.value()[1].records, 6);
  EXPECT_EQ(tally_warnings(tallies.value()[0], "an SNP", overview.layout()),
            std::vector<std::string>{folder.path("e.vcf") + ": 1 line is no record of its kind and left out (the "
                                                            "first is line 7)"});
  EXPECT_EQ(
      tally_warnings(tallies.value()[1], "an SNP", overview.layout()),
      (std::vector<std::string>{
          folder.path("i.vcf") + ": 1 record lies on none of the chromosomes I, II, III, IV, V, X and is left out",
          folder.path("i.vcf") + " is not in genome order at line 9: an SNP that other lines also report may "
                                 "be drawn twice"}));
}

TEST(OverviewReading, AStretchThatSeveralRegionsReportIsDrawnOnce) {
  testing::ScratchFolder folder;
  folder.write("e.bed", "#chrom\tstart\tend\nI\t10\t20\texon1\nI\t10\t25\texon1\nI\t40\t40\te\t0\t+\t0\tinsertion\n");
  folder.write("i.bed", "#chrom\tstart\tend\nI\t10\t20\tintron1\nV\t5\t7\tintron9");
  const std::string paths[] = {folder.path("e.bed"), folder.path("i.bed")};
  Overview overview;
  ASSERT_TRUE(read_gap_files(paths, overview).ok());
  const ChromosomeTrack& one = overview.track(0);
  ASSERT_EQ(one.gap_bars.size(), 3u);
  EXPECT_EQ(one.gap_bars[0].end, 20);
  EXPECT_EQ(one.gap_bars[0].title, "I:11-20: 10 positions without reads, exon1 and 1 more");
  EXPECT_EQ(one.gap_bars[2].title, "I:40|41: the trace of an insertion, e");
  EXPECT_EQ(one.gap_positions, 25);
  EXPECT_EQ(overview.track(4).gaps, 1);
}

TEST(OverviewReading, AFileThatCannotBeReadFailsNamingIt) {
  testing::ScratchFolder folder;
  folder.make_folder("a.vcf");
  const SnpFile files[] = {{folder.path("a.vcf"), SnpClass::Exon}};
  Overview overview;
  Result<std::vector<FileTally>> read = read_snp_files(files, overview);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.failure().message, "cannot open " + folder.path("a.vcf") + ": Is a directory");
}

}  // namespace
}  // namespace vesmar
