#include "reads_importer/read_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesmar {
namespace {

// The reads that a run of lines gives, in order.
std::vector<std::string> reads_of(ConversionState& state, const std::vector<std::string>& lines) {
  std::vector<std::string> reads;
  for (const std::string& line : lines) {
    if (std::optional<std::string_view> read = read_in_line(state, line)) reads.emplace_back(*read);
  }
  return reads;
}

TEST(FastqReads, TheSecondLineOfEveryFourIsTheRead) {
  ConversionState state{ReadFormat::fastq};
  EXPECT_EQ(reads_of(state, {"@r1", "ACGT", "+", "IIII", "@r2", "GGTT", "+r2", "IIII", "@r3", "TT"}),
            (std::vector<std::string>{"ACGT", "GGTT", "TT"}));
  EXPECT_EQ(state.hh, 2);
}

TEST(FastqReads, LinesAreCountedNotExamined) {
  ConversionState state{ReadFormat::fastq};
  EXPECT_EQ(reads_of(state, {"", "", "", "", "x", ">r", "@", "@"}), (std::vector<std::string>{"", ">r"}));
  EXPECT_EQ(state.hh, 0);
}

TEST(FastqReads, TheCounterCarriesOverFromFileToFile) {
  ConversionState state{ReadFormat::fastq};
  // A first file of six lines leaves the counter at 2 ...
  EXPECT_EQ(reads_of(state, {"1", "2", "3", "4", "5", "6"}), (std::vector<std::string>{"2", "6"}));
  EXPECT_EQ(state.hh, 2);
  // ... so in the next file its lines 4, 8, ... are taken.
  EXPECT_EQ(reads_of(state, {"1", "2", "3", "4", "5", "6", "7", "8"}), (std::vector<std::string>{"4", "8"}));
  EXPECT_EQ(state.hh, 2);
}

TEST(FastaReads, EveryLineWithoutAnAngleBracketIsARead) {
  ConversionState state{ReadFormat::fasta};
  EXPECT_EQ(reads_of(state, {">chr1", "ACGT", "AC>GT", "", "GG>", "TT\r", " >", "N"}),
            (std::vector<std::string>{"ACGT", "", "TT\r", "N"}));
}

}  // namespace
}  // namespace vesmar
