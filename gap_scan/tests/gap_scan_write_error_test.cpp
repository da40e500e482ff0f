// Gap_region_scan when its report cannot be written in full, as on a disk
// that fills up while the report is written (a limit on the size of the files
// the program may write). The report goes to a temporary file beside it and
// replaces an older report only once complete, so a failed run names the
// report and the reason, ends with status 1 without "Done", and leaves an
// older report as it was and no temporary file.
#include <gtest/gtest.h>

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
const std::string kReport = "Desktop/vesmar/Deletion_results/ann_del_cintrons.txt";

// 200 one-position gaps in one intron: a report of about 30 kB.
std::string alignment_results() {
  std::string text;
  for (int gap = 0; gap < 200; ++gap) text += "0\n0\n5\n0\n";
  return text;
}

struct Case {
  const char* what;
  std::optional<std::string> older_report;
  std::optional<std::uint64_t> file_size_limit;
  int status;
  std::string error;
  std::vector<std::string> reports;  // in Deletion_results afterwards
};

TEST(GapRegionScanWriteError, AReportThatCannotBeWrittenLeavesTheOlderOne) {
  const Case cases[] = {
      {"room enough", "an older report\n", std::nullopt, 0, "", {"ann_del_cintrons.txt"}},
      {"the disk fills up, an older report", "an older report\n", kFileSizeLimit, 1,
       "Gap_region_scan: cannot write " + kReport + ": File too large\n", {"ann_del_cintrons.txt"}},
      {"the disk fills up, no older report", std::nullopt, kFileSizeLimit, 1,
       "Gap_region_scan: cannot write " + kReport + ": File too large\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/vesmar/Alignment_results/aln.txt", alignment_results());
    folder.write("Desktop/vesmar/Feature_locations/cintrons.txt", "intron1\n0\n1000\nI\n1\n");
    if (c.older_report) folder.write(kReport, *c.older_report);

    const ProgramRun run = testing::run_program(GAP_REGION_SCAN_BINARY, folder, "i\nann\naln.txt\n", {},
                                                RunLimits{c.file_size_limit});
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.error);
    EXPECT_EQ(folder.list("Desktop/vesmar/Deletion_results"), c.reports);
    if (c.status == 0) {
      EXPECT_TRUE(run.out.ends_with("Assigning deletions to exons...\nDone\n[PAUSE]\n")) << run.out;
      EXPECT_GT(folder.read(kReport).size(), kFileSizeLimit);
    } else {
      EXPECT_TRUE(run.out.ends_with("Assigning deletions to exons...\n")) << run.out;
      if (c.older_report) {
        EXPECT_EQ(folder.read(kReport), *c.older_report);
      }
    }
  }
}

}  // namespace
}  // namespace vesmar
