// Chromosome_join when the genome sequence file cannot be written in full:
// a device that is full from the first byte (a symbolic link at the genome
// sequence file's path reaching /dev/full), and a disk that fills up during
// the join (a limit on the size of the files the program may write). Either
// way the run names the file and the reason and ends with status 1. The
// genome sequence file is written in place, so what reached it before the
// disk filled up stays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

using testing::ProgramRun;
using testing::RunLimits;
using testing::ScratchFolder;

const std::string kGenome = "Desktop/vesmar/Genome_sequences/genome.txt";
constexpr std::uint64_t kFileSizeLimit = 8192;

// A chromosome of 2 MiB of sequence in lines of 64, more than the program
// keeps before it writes, so the writes fail while the join goes on.
std::string large_chromosome() {
  std::string text = ">chrI\n";
  for (int line = 0; line < 32768; ++line) text += std::string(64, "ACGT"[line % 4]) + "\n";
  return text;
}

// What the separate-file join of large.fa and small.fa writes: 2097152
// characters padded with 48 "g", then 2 padded with 48.
std::string joined() {
  std::string genome;
  for (int line = 0; line < 32768; ++line) genome += std::string(64, "ACGT"[line % 4]) + "\n";
  return genome + std::string(48, 'g') + "\nTT\n" + std::string(48, 'g');
}

struct Case {
  const char* what;
  std::string answers;
  bool full_device;                              // the link to /dev/full
  std::optional<std::uint64_t> file_size_limit;  // or the limit
  std::string error;
};

TEST(ChromosomeJoinWriteError, AGenomeFileThatCannotBeWrittenFailsTheRun) {
  const std::string full = "Chromosome_join: cannot write " + kGenome + ": No space left on device\n";
  const std::string too_large = "Chromosome_join: cannot write " + kGenome + ": File too large\n";
  const Case cases[] = {
      {"separate files, full device", "m\n2\nlarge.fa\nsmall.fa\ngenome.txt\n", true, std::nullopt, full},
      {"one file, full device", "s\nlarge.fa\ngenome.txt\n", true, std::nullopt, full},
      {"separate files, the disk fills up", "m\n2\nlarge.fa\nsmall.fa\ngenome.txt\n", false, kFileSizeLimit,
       too_large},
      {"one file, the disk fills up", "s\nlarge.fa\ngenome.txt\n", false, kFileSizeLimit, too_large},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    folder.write("Desktop/large.fa", large_chromosome());
    folder.write("Desktop/small.fa", ">chrII\nTT\n");
    if (c.full_device) {
      ASSERT_EQ(::symlink("/dev/full", folder.path(kGenome).c_str()), 0);
    }

    const ProgramRun run =
        testing::run_program(CHROMOSOME_JOIN_BINARY, folder, c.answers, {}, RunLimits{c.file_size_limit});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.error);
    EXPECT_TRUE(run.out.ends_with("Name of concatenated genome file? ")) << run.out;
    if (c.file_size_limit) {
      EXPECT_EQ(folder.read(kGenome), joined().substr(0, *c.file_size_limit));
    }
  }
}

TEST(ChromosomeJoinWriteError, WithRoomEnoughTheSameJoinSucceeds) {
  ScratchFolder folder;
  folder.write("Desktop/large.fa", large_chromosome());
  folder.write("Desktop/small.fa", ">chrII\nTT\n");
  const ProgramRun run =
      testing::run_program(CHROMOSOME_JOIN_BINARY, folder, "m\n2\nlarge.fa\nsmall.fa\ngenome.txt\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(folder.read(kGenome), joined());
}

}  // namespace
}  // namespace vesmar
