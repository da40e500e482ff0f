// Point_scan when its report cannot be written in full, or its alignment
// results file cannot be read to its end: the report goes to a temporary
// file beside it and replaces an older report only once complete.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "testing/write_error_check.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::ScratchFolder;

const std::string kReport = "Desktop/vesmar/SNP_results/Anna_snp_cintrons.txt";

TEST(PointScanWriteError, AReportThatCannotBeWrittenLeavesTheOlderOne) {
  testing::check_write_errors({POINT_SCAN_BINARY,
                               [](const ScratchFolder& folder) {
                                 // 150 hits in one intron: a report of about 30 kB.
                                 std::string hits;
                                 for (int position = 1; position <= 150; ++position) {
                                   hits += "0\n3\ntcgtacgtacgtaacgtacgtacgt\nacgtacgtacgtaacgtacgtacgt\n";
                                 }
                                 // and the padding after chromosome I, without hits.
                                 for (int position = 151; position <= 200; ++position) hits += "5\n0\n";
                                 folder.write("Desktop/vesmar/Alignment_results/run1.txt", hits);
                                 folder.write("Desktop/vesmar/Feature_locations/cintrons.txt",
                                              "intron1\n0\n200\nI\n1\n");
                                 // The genome that the file fills.
                                 folder.write("Desktop/vesmar/Feature_locations/chromosomes.txt", "I\t0\t150\n");
                               },
                               "3 2 Anna run1.txt i\n",
                               {kReport, "Desktop/vesmar/SNP_results/Anna_snp_cintrons.vcf"}, "Point_scan",
                               "Checking hits in exon range\n[PAUSE]\n", "Checking hits in exon range\n"});
}

TEST(PointScanWriteError, AnAlignmentFileThatCannotBeReadLeavesTheOlderReport) {
  // The rows go to the temporary report while the alignment results file is
  // read; a read error then drops it. Reading the start of a process's own
  // memory file fails with an I/O error.
  ScratchFolder folder;
  folder.write("Desktop/vesmar/Feature_locations/cintrons.txt", "intron1\n0\n200\nI\n1\n");
  folder.write(kReport, "an older report\n");
  ASSERT_EQ(::symlink("/proc/self/mem", folder.path("Desktop/vesmar/Alignment_results/mem").c_str()), 0);
  const ProgramRun run = testing::run_program(POINT_SCAN_BINARY, folder, "3 2 Anna mem i\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Point_scan: cannot read Desktop/vesmar/Alignment_results/mem: Input/output error\n");
  EXPECT_TRUE(run.out.ends_with("Checking wt/mut scores...\n")) << run.out;
  EXPECT_EQ(folder.list("Desktop/vesmar/SNP_results"), std::vector<std::string>{"Anna_snp_cintrons.txt"});
  EXPECT_EQ(folder.read(kReport), "an older report\n");
}

}  // namespace
}  // namespace vesmar
