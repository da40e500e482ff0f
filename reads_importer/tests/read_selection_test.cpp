#include "reads_importer/read_selection.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesmar {
namespace {

// Which of `count` FASTQ lines are reads, counted on from `fastq_line`.
std::vector<int> read_lines(int& fastq_line, int count) {
  std::vector<int> reads;
  for (int line = 1; line <= count; ++line) {
    if (fastq_line_is_read(fastq_line)) reads.push_back(line);
  }
  return reads;
}

TEST(FastqReads, TheSecondLineOfEveryFourIsTheRead) {
  int fastq_line = 0;
  EXPECT_EQ(read_lines(fastq_line, 10), (std::vector<int>{2, 6, 10}));
  EXPECT_EQ(fastq_line, 2);
}

TEST(FastqReads, TheCounterCarriesOverFromFileToFile) {
  int fastq_line = 0;
  // A first file of six lines leaves the counter at 2 ...
  EXPECT_EQ(read_lines(fastq_line, 6), (std::vector<int>{2, 6}));
  EXPECT_EQ(fastq_line, 2);
  // ... so in the next file its lines 4, 8, ... are taken.
  EXPECT_EQ(read_lines(fastq_line, 8), (std::vector<int>{4, 8}));
  EXPECT_EQ(fastq_line, 2);
  // A file of a multiple of four lines keeps the counter where it was.
  EXPECT_EQ(read_lines(fastq_line, 4), (std::vector<int>{4}));
  EXPECT_EQ(fastq_line, 2);
}

}  // namespace
}  // namespace vesmar
