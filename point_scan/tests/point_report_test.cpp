#include "point_scan/point_report.h"

#include <gtest/gtest.h>

#include <vector>

#include "testing/program_run.h"

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

// A hit as the report writer gets it, and the index of its region.
struct ReportedHit {
  AlignmentRecord record;
  std::size_t region;
};

// The rows the report writer writes for `hits`, without the heading.
std::string rows_of(bool exon_mode, const RegionTable& regions, const std::vector<ReportedHit>& hits,
                    const ChromosomeLayout& layout = built_in_layout()) {
  testing::ScratchFolder folder;
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(folder.path("report"), OutputFile::Mode::Replace);
  EXPECT_TRUE(file.ok());
  const ExonTables exon_tables;
  PointReportWriter writer(exon_mode, regions, exon_tables, layout, file.value().get());
  for (const ReportedHit& hit : hits) writer.add(hit.record, hit.region);
  EXPECT_TRUE(file.value()->commit().ok());
  return folder.read("report").substr(point_report_heading(exon_mode).size());
}

const RegionTable kRegions{{Region{"g.intron1", 30352000, 30353000, "III", "1"},
                            Region{"a_region_name_longer_than_nineteen", 2000, 2099, "Y", "-1"},
                            Region{"g.exon1", 1000, 1099, "III", "1"}},
                           {}};

TEST(PointReportRow, IntronModeRow) {
  EXPECT_EQ(rows_of(false, kRegions,
                    {{{30352900, 1, 4, "tcgtacgtacgtaacgtacgtacgt", "acgtacgtacgtaacgtacgtacgt"}, 0}}),
            "1           g.intron1           III         1           899         1100                "
            "tcgtacgtacgtaacgtacgtacgt       1           4                  \n" +
                kBlank88 + "*||||||||||||\n" + kBlank88 + "acgtacgtacgtaacgtacgtacgt\n");
}

TEST(PointReportRow, UnknownChromosomeMovesTheRestLeftAndWideValuesPush) {
  // In exon mode, with a region not in exon_frames.txt: no codon change.
  EXPECT_EQ(rows_of(true, kRegions, {{{1991, 123456789, 2000000000, "acgtacgtacgtgacgt", "acgtacgtacgtaacgt"}, 1}}),
            "1           a_region_name_longer_than_nineteen Y           -1          -10         " +
                std::string(26, ' ') + "acgtacgtacgtgacgt       123456789   2000000000         \n" +
                kBlank88 + std::string(26, ' ') + "||||||||||||*\n" + kBlank88 + std::string(26, ' ') +
                "acgtacgtacgtaacgt\n");
}

TEST(PointReportRow, AHitWithoutWindows) {
  EXPECT_EQ(rows_of(false, kRegions, {{{1050, 0, 0, "", ""}, 2}}),
            "1           g.exon1             III         1           49          -30350750           "
            "       0           0                  \n" +
                kBlank88 + "||||||||||||*\n" + kBlank88 + "\n");
}

// With a layout file, its offsets (III starts after 1050 positions), and the
// region file's spellings of its names; the built-in layout compares them
// exactly, as the reports always have.
TEST(PointReportRow, TheChromosomePositionFromTheLayout) {
  const ChromosomeLayout layout =
      layout_from_lengths({{"CHROMOSOME_I", 1000}, {"CHROMOSOME_III", 1000}}, "chromosomes.txt").value();
  const RegionTable regions{{Region{"g.exon1", 1000, 1099, "III", "1"}, Region{"g.exon2", 1000, 1099, "chrIII", "1"}},
                            {}};
  const std::string row = "1           g.exon1             III         1           1049        1000                "
                          "       0           0                  \n";
  EXPECT_EQ(rows_of(false, regions, {{{2050, 0, 0, "", ""}, 0}}, layout).substr(0, row.size()), row);
  const std::string spelt = "1           g.exon2             chrIII      1           1049        1000                ";
  EXPECT_EQ(rows_of(false, regions, {{{2050, 0, 0, "", ""}, 1}}, layout).substr(0, spelt.size()), spelt);
  const std::string built_in = "1           g.exon2             chrIII      1           1049               0   ";
  EXPECT_EQ(rows_of(false, regions, {{{2050, 0, 0, "", ""}, 1}}).substr(0, built_in.size()), built_in);
}

}  // namespace
}  // namespace vesmar
