// Gap_region_scan when its report cannot be written in full: the report goes
// to a temporary file beside it and replaces an older report only once
// complete.
#include <gtest/gtest.h>

#include <string>

#include "testing/write_error_check.h"

namespace vesmar {
namespace {

TEST(GapRegionScanWriteError, AReportThatCannotBeWrittenLeavesTheOlderOne) {
  testing::check_write_errors({GAP_REGION_SCAN_BINARY,
                               [](const testing::ScratchFolder& folder) {
                                 // 200 one-position gaps in one intron: a report of about 30 kB.
                                 std::string gaps;
                                 for (int gap = 0; gap < 200; ++gap) gaps += "0\n0\n5\n0\n";
                                 folder.write("Desktop/vesmar/Alignment_results/aln.txt", gaps);
                                 folder.write("Desktop/vesmar/Feature_locations/cintrons.txt",
                                              "intron1\n0\n1000\nI\n1\n");
                                 // The genome that the file fills.
                                 folder.write("Desktop/vesmar/Feature_locations/chromosomes.txt", "I\t0\t399\n");
                               },
                               "i\nann\naln.txt\n",
                               {"Desktop/vesmar/Deletion_results/ann_del_cintrons.txt",
                                "Desktop/vesmar/Deletion_results/ann_del_cintrons.bed"},
                               "Gap_region_scan", "Done\n[PAUSE]\n", "Assigning deletions to exons...\n"});
}

}  // namespace
}  // namespace vesmar
