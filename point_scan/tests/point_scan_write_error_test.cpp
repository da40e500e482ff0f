// Point_scan when its report cannot be written in full, as on a disk that
// fills up while the report is written (a limit on the size of the files the
// program may write). The report goes to a temporary file beside it and
// replaces an older report only once complete, so a failed run names the
// report and the reason, ends with status 1 before "PAUSE", and leaves an
// older report as it was and no temporary file; so does a run that fails
// while the report is being written, on a read error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::RunLimits;
using testing::ScratchFolder;

constexpr std::uint64_t kFileSizeLimit = 8192;
const std::string kReport = "Desktop/vesmar/SNP_results/Anna_snp_cintrons.txt";

// 150 hits in one intron: a report of about 30 kB.
std::string alignment_results() {
  std::string text;
  for (int position = 1; position <= 150; ++position) {
    text += "0\n3\ntcgtacgtacgtaacgtacgtacgt\nacgtacgtacgtaacgtacgtacgt\n";
  }
  return text;
}

struct Case {
  const char* what;
  std::optional<std::string> older_report;
  std::optional<std::uint64_t> file_size_limit;
  int status;
  std::string error;
  std::vector<std::string> reports;  // in SNP_results afterwards
};

TEST(PointScanWriteError, AReportThatCannotBeWrittenLeavesTheOlderOne) {
  const Case cases[] = {
      {"room enough", "an older report\n", std::nullopt, 0, "", {"Anna_snp_cintrons.txt"}},
      {"the disk fills up, an older report", "an older report\n", kFileSizeLimit, 1,
       "Point_scan: cannot write " + kReport + ": File too large\n", {"Anna_snp_cintrons.txt"}},
      {"the disk fills up, no older report", std::nullopt, kFileSizeLimit, 1,
       "Point_scan: cannot write " + kReport + ": File too large\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/vesmar/Alignment_results/run1.txt", alignment_results());
    folder.write("Desktop/vesmar/Feature_locations/cintrons.txt", "intron1\n0\n200\nI\n1\n");
    if (c.older_report) folder.write(kReport, *c.older_report);

    const ProgramRun run = testing::run_program(POINT_SCAN_BINARY, folder, "3 2 Anna run1.txt i\n", {},
                                                RunLimits{c.file_size_limit});
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.error);
    EXPECT_EQ(folder.list("Desktop/vesmar/SNP_results"), c.reports);
    if (c.status == 0) {
      EXPECT_TRUE(run.out.ends_with("Checking hits in exon range\n[PAUSE]\n")) << run.out;
      EXPECT_GT(folder.read(kReport).size(), kFileSizeLimit);
    } else {
      EXPECT_TRUE(run.out.ends_with("Checking hits in exon range\n")) << run.out;
      if (c.older_report) {
        EXPECT_EQ(folder.read(kReport), *c.older_report);
      }
    }
  }
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
