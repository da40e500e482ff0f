#include "alignment_counts/genome_counting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment_counts/tests/sam_reads.h"
#include "engine/output_file.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

// A genome of small chromosomes at small offsets, so that a whole results
// file can be compared: I (8 bases) at 0, III (4 bases) at 100, V (10 bases,
// no reads) at 200. The header also names MtDNA.
const std::vector<SequenceHeader> kHeader = {{"chrI", 8}, {"MtDNA", 5}, {"chrIII", 4}, {"V", 10}};
const std::string kSamHeader = "@SQ\tSN:chrI\tLN:8\n@SQ\tSN:MtDNA\tLN:5\n@SQ\tSN:chrIII\tLN:4\n@SQ\tSN:V\tLN:10\n";

GenomePlan small_plan() {
  GenomePlan plan;
  plan.chromosomes = {{0, "chrI", 8, 0, "I"}, {2, "chrIII", 4, 100, "III"}, {4, "V", 10, 200, "V"}};
  plan.chromosome_of_target = {0, -1, 1, 2};
  return plan;
}

Result<std::string> small_reference(const PlannedChromosome& chromosome) {
  if (chromosome.name == "chrI") return std::string("acgtacgt");
  if (chromosome.name == "chrIII") return std::string("ttaa");
  return Failure{"only chromosomes with reads are read"};
}

// The records of positions first..last: counts only.
std::string uncovered(int first, int last) {
  std::string text;
  for (int position = first; position <= last; ++position) text += "0\n0\n";
  return text;
}

struct Counted {
  Status status;
  std::string file;
  CountingSummary summary;
};

Counted count(const std::vector<std::string>& sam_lines, CountingRules rules = {},
              const LoadChromosome& load = small_reference) {
  const testing::SamReads sam(kSamHeader);
  const GenomePlan plan = small_plan();
  testing::ScratchFolder folder;
  const std::string path = folder.path("results.txt");
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(path, OutputFile::Mode::Replace);
  if (!file.ok()) return {file.failure(), "", {}};
  AlignmentResultsWriter writer(*file.value());
  GenomeCounting counting(plan, kHeader, rules, load, writer, "run.sam");
  Status status;
  for (const std::string& line : sam_lines) {
    status = counting.add(*sam.parse(line));
    if (!status.ok()) break;
  }
  if (status.ok()) status = counting.finish();
  if (status.ok()) status = file.value()->commit();
  return {status, status.ok() ? folder.read("results.txt") : "", counting.summary()};
}

TEST(GenomeCounting, WritesEveryPositionOfTheGenomeInOrder) {
  const Counted counted = count({
      "a\t0\tchrI\t2\t60\t4M\t*\t0\t0\tCGTA\t*",
      "b\t16\tchrI\t3\t60\t2M\t*\t0\t0\tGA\t*",
      "duplicate\t1024\tchrI\t3\t60\t2M\t*\t0\t0\tGA\t*",
      "low\t0\tchrI\t5\t10\t1M\t*\t0\t0\tA\t*",
      "mito\t0\tMtDNA\t1\t60\t3M\t*\t0\t0\tACG\t*",
      "c\t0\tchrIII\t2\t60\t2M\t*\t0\t0\tTA\t*",
      "unmapped\t4\t*\t0\t0\t*\t*\t0\t0\tACGT\t*",
  }, CountingRules{0, 20});
  ASSERT_TRUE(counted.status.ok()) << counted.status.failure().message;
  const std::string expected =
      // chromosome I: the mutant read at 4 starts there, so its windows do.
      "0\n0\n" "1\n0\n" "2\n0\n" "1\n1\naacgtgggggggggggggggggggg\ntacgtgggggggggggggggggggg\n" "1\n0\n" +
      uncovered(6, 50) +  // the rest of I and its padding to 50
      uncovered(51, 100) +  // up to III's offset
      "0\n0\n" "1\n0\n" "1\n0\n" "0\n0\n" + uncovered(105, 150) +
      uncovered(151, 250);  // V, without reads, to its padded end
  EXPECT_EQ(counted.file, expected);
  EXPECT_EQ(counted.summary.reads, 7);
  EXPECT_EQ(counted.summary.counted_reads, 3);
  EXPECT_EQ(counted.summary.reads_on_sequence, (std::vector<std::int64_t>{0, 1, 0, 0}));
}

TEST(GenomeCounting, AFileWithoutReadsIsEveryPositionUncovered) {
  const Counted counted = count({});
  ASSERT_TRUE(counted.status.ok());
  EXPECT_EQ(counted.file, uncovered(1, 250));
}

TEST(GenomeCounting, FailsOnAFileNotSortedByPosition) {
  struct Case {
    std::vector<std::string> lines;
    std::string message;
  };
  const Case cases[] = {
      {{"a\t0\tchrI\t5\t60\t1M\t*\t0\t0\tA\t*", "b\t0\tchrI\t4\t60\t1M\t*\t0\t0\tT\t*"},
       "run.sam is not sorted by position: read b at chrI:4 comes after a read at chrI:5 (samtools sort makes a "
       "sorted copy)"},
      {{"a\t0\tchrIII\t1\t60\t1M\t*\t0\t0\tT\t*", "b\t0\tMtDNA\t4\t60\t1M\t*\t0\t0\tT\t*"},
       "run.sam is not sorted by position: read b at MtDNA:4 comes after a read at chrIII:1 (samtools sort makes a "
       "sorted copy)"},
      {{"u\t4\t*\t0\t0\t*\t*\t0\t0\tA\t*", "b\t0\tchrI\t4\t60\t1M\t*\t0\t0\tT\t*"},
       "run.sam is not sorted by position: read b at chrI:4 comes after a read at no sequence (unplaced) "
       "(samtools sort makes a sorted copy)"},
  };
  for (const Case& c : cases) {
    const Counted counted = count(c.lines);
    ASSERT_FALSE(counted.status.ok());
    EXPECT_EQ(counted.status.failure().message, c.message);
  }
}

TEST(GenomeCounting, FailsWhenTheReferenceIsNotTheHeadersLength) {
  const Counted counted = count({"a\t0\tchrI\t1\t60\t1M\t*\t0\t0\tA\t*"}, {},
                                [](const PlannedChromosome&) -> Result<std::string> { return std::string("acg"); });
  ASSERT_FALSE(counted.status.ok());
  EXPECT_EQ(counted.status.failure().message,
            "the reference of chromosome \"chrI\" has 3 bases, not the 8 of the header of run.sam");
}

}  // namespace
}  // namespace vesmar
