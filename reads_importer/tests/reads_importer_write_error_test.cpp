// Reads_importer when its reads file cannot be written in full: the reads go
// to a temporary file beside it, which replaces an older reads file only once
// complete.
#include <gtest/gtest.h>

#include <string>

#include "testing/write_error_check.h"

namespace vesmar {
namespace {

TEST(ReadsImporterWriteError, AReadsFileThatCannotBeWrittenLeavesTheOlderOne) {
  testing::check_write_errors({READS_IMPORTER_BINARY,
                               [](const testing::ScratchFolder& folder) {
                                 // 1000 reads of 32 bases: a reads file of 33 kB.
                                 std::string reads = ">reads\n";
                                 for (int read = 0; read < 1000; ++read) reads += std::string(32, 'A') + "\n";
                                 folder.write("Desktop/reads.fa", reads);
                               },
                               "ann\nfasta\n1\nreads.fa\n", {"Desktop/vesmar/Sequence_reads/ann_reads.txt"},
                               "Reads_importer", "Reading Desktop/reads.fa\nDone.\n", "Reading Desktop/reads.fa\n"});
}

}  // namespace
}  // namespace vesmar
