// Chromosome_join when the genome sequence file cannot be written in full: the
// genome goes to a temporary file beside it, which replaces an older genome
// sequence file only once the join is complete.
#include <gtest/gtest.h>

#include <string>

#include "testing/write_error_check.h"

namespace vesmar {
namespace {

TEST(ChromosomeJoinWriteError, AGenomeFileThatCannotBeWrittenLeavesTheOlderOne) {
  // A chromosome of 2 MiB of sequence in lines of 64, more than the program
  // keeps before it writes, so the writes fail while the join goes on.
  const auto inputs = [](const testing::ScratchFolder& folder) {
    std::string chromosome = ">chrI\n";
    for (int line = 0; line < 32768; ++line) chromosome += std::string(64, "ACGT"[line % 4]) + "\n";
    folder.write("Desktop/large.fa", chromosome);
    folder.write("Desktop/small.fa", ">chrII\nTT\n");
  };
  for (const std::string answers : {"m\n2\nlarge.fa\nsmall.fa\ngenome.txt\n", "s\nlarge.fa\ngenome.txt\n"}) {
    SCOPED_TRACE(answers);
    testing::check_write_errors({CHROMOSOME_JOIN_BINARY, inputs, answers,
                                 {"Desktop/vesmar/Genome_sequences/genome.txt"}, "Chromosome_join",
                                 "Name of concatenated genome file? ", "Name of concatenated genome file? "});
  }
}

}  // namespace
}  // namespace vesmar
