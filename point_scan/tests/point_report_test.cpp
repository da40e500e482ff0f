#include "point_scan/point_report.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

const std::string kBlank88(88, ' ');

TEST(PointReportHeading, ColumnsAndRuleByMode) {
  const std::string intron = point_report_heading(false);
  const std::string exon = point_report_heading(true);
  EXPECT_TRUE(intron.starts_with("\n      Point_scan output file \n      -----------------------\n\n"));
  const std::string intron_header =
      "Number      Exon                Chrom.      Strand      Position    Chrom. Pos.         "
      "Alignment           WT Reads    Mut Reads  \n";
  EXPECT_NE(intron.find(intron_header + std::string(132, '-') + "\n"), std::string::npos);
  const std::string exon_header =
      "Number      Exon                Chrom.      Strand      Position    Chrom. Pos.         "
      "Codon change              Alignment           WT Reads    Mut Reads  \n";
  EXPECT_TRUE(exon.ends_with(exon_header + std::string(159, '-') + "\n"));
}

class PointReportRow : public ::testing::Test {
 protected:
  Hit add_hit(std::int64_t position, std::int32_t wt, std::int32_t mut, std::string_view read,
              std::string_view reference, std::size_t region) {
    Hit hit{position, wt, mut, region, hits.windows.size(), read.size(), reference.size()};
    hits.windows.append(read);
    hits.windows.append(reference);
    hits.hits.push_back(hit);
    return hit;
  }
  RegionTable regions{{Region{"g.exon1", 1000, 1099, "III", "1"},
                       Region{"a_region_name_longer_than_nineteen", 2000, 2099, "Y", "-1"}},
                      {}};
  HitTable hits;
  ExonTables exon_tables;
};

TEST_F(PointReportRow, IntronModeRow) {
  Hit hit = add_hit(30352900, 1, 4, "tcgtacgtacgtaacgtacgtacgt", "acgtacgtacgtaacgtacgtacgt", 0);
  regions.regions[0] = Region{"g.intron1", 30352000, 30353000, "III", "1"};
  PointReport report{false, &regions, &hits, &exon_tables};
  EXPECT_EQ(point_report_row(report, hit, 1),
            "1           g.intron1           III         1           899         1100                "
            "tcgtacgtacgtaacgtacgtacgt       1           4                  \n" +
                kBlank88 + "*||||||||||||\n" + kBlank88 + "acgtacgtacgtaacgtacgtacgt\n");
}

TEST_F(PointReportRow, UnknownChromosomeMovesTheRestLeftAndWideValuesPush) {
  Hit hit = add_hit(1991, 123456789, 2000000000, "acgtacgtacgtgacgt", "acgtacgtacgtaacgt", 1);
  PointReport report{true, &regions, &hits, &exon_tables};
  EXPECT_EQ(point_report_row(report, hit, 123456789012),
            "123456789012 a_region_name_longer_than_nineteen Y           -1          -10         " +
                std::string(26, ' ') + "acgtacgtacgtgacgt       123456789   2000000000         \n" +
                kBlank88 + std::string(26, ' ') + "||||||||||||*\n" + kBlank88 +
                std::string(26, ' ') + "acgtacgtacgtaacgt\n");
}

TEST_F(PointReportRow, AHitWithoutWindows) {
  Hit hit = add_hit(1050, 0, 0, "", "", 0);
  PointReport report{false, &regions, &hits, &exon_tables};
  EXPECT_EQ(point_report_row(report, hit, 2),
            "2           g.exon1             III         1           49          -30350750           "
            "       0           0                  \n" +
                kBlank88 + "||||||||||||*\n" + kBlank88 + "\n");
}

}  // namespace
}  // namespace vesmar
