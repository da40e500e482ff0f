// Alignment_counts when its results file cannot be written in full: the file
// goes to a temporary file beside it and replaces an older one only once
// complete.
#include <gtest/gtest.h>

#include <string>

#include "testing/write_error_check.h"

namespace vesmar {
namespace {

TEST(AlignmentCountsWriteError, AResultsFileThatCannotBeWrittenLeavesTheOlderOne) {
  testing::check_write_errors({ALIGNMENT_COUNTS_BINARY,
                               [](const testing::ScratchFolder& folder) {
                                 // 5000 positions: a file of about 20 kB.
                                 std::string bases;
                                 for (int i = 0; i < 1250; ++i) bases += "ACGT";
                                 folder.write("Desktop/ref.fa", ">I\n" + bases + "\n");
                                 folder.write("Desktop/run.sam", "@SQ\tSN:I\tLN:5000\n"
                                                                 "r\t0\tI\t100\t60\t4M\t*\t0\t0\tTTTT\t*\n");
                               },
                               "run.sam ref.fa run.txt 0 0\n",
                               {"Desktop/vesmar/Alignment_results/run.txt"},
                               "Alignment_counts", "Done\n[PAUSE]\n", "Counting the reads at each position...\n"});
}

}  // namespace
}  // namespace vesmar
