// Reads_importer when its reads file cannot be written in full, as on a disk
// that fills up while the reads are written (a limit on the size of the files
// the program may write). The reads go to a temporary file beside the reads
// file and replace an older one only once complete, so a failed run names the
// reads file and the reason, ends with status 1 without "Done.", and leaves
// an older reads file as it was and no temporary file.
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
const std::string kReadsFile = "Desktop/vesmar/Sequence_reads/ann_reads.txt";

// 1000 reads of 32 bases: a reads file of 33 kB.
std::string fasta_file() {
  std::string text = ">reads\n";
  for (int read = 0; read < 1000; ++read) text += "ACGTACGTACGTACGTACGTACGTACGTACGT\n";
  return text;
}

struct Case {
  const char* what;
  std::optional<std::string> older_reads;
  std::optional<std::uint64_t> file_size_limit;
  int status;
  std::string error;
  std::vector<std::string> files;  // in Sequence_reads afterwards
};

TEST(ReadsImporterWriteError, AReadsFileThatCannotBeWrittenLeavesTheOlderOne) {
  const Case cases[] = {
      {"room enough", "older reads\n", std::nullopt, 0, "", {"ann_reads.txt"}},
      {"the disk fills up, an older reads file", "older reads\n", kFileSizeLimit, 1,
       "Reads_importer: cannot write " + kReadsFile + ": File too large\n", {"ann_reads.txt"}},
      {"the disk fills up, no older reads file", std::nullopt, kFileSizeLimit, 1,
       "Reads_importer: cannot write " + kReadsFile + ": File too large\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/reads.fa", fasta_file());
    if (c.older_reads) folder.write(kReadsFile, *c.older_reads);

    const ProgramRun run = testing::run_program(READS_IMPORTER_BINARY, folder, "ann\nfasta\n1\nreads.fa\n", {},
                                                RunLimits{c.file_size_limit});
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, c.error);
    EXPECT_EQ(folder.list("Desktop/vesmar/Sequence_reads"), c.files);
    if (c.status == 0) {
      EXPECT_TRUE(run.out.ends_with("Reading Desktop/reads.fa\nDone.\n")) << run.out;
      EXPECT_GT(folder.read(kReadsFile).size(), kFileSizeLimit);
    } else {
      EXPECT_TRUE(run.out.ends_with("Reading Desktop/reads.fa\n")) << run.out;
      if (c.older_reads) {
        EXPECT_EQ(folder.read(kReadsFile), *c.older_reads);
      }
    }
  }
}

}  // namespace
}  // namespace vesmar
