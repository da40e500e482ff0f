#include "alignment_counts/reference_fasta.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "alignment_counts/reference_match.h"
#include "testing/gzip_member.h"
#include "testing/program_run.h"

namespace vesmar {
namespace {

// Records in any order and case, with Windows line ends, blank lines, a
// description after the name, and lines before the first header.
const std::string kFasta =
    "stray line\n"
    ">chrII second chromosome\r\n"
    "ACGT\r\n"
    "acg\r\n"
    "\n"
    ">MtDNA\n"
    "TTTT\n"
    ">I\n"
    "Gg TT\n"
    "N";

TEST(ReferenceFasta, ListsTheRecordsAndReadsOneOfThem) {
  for (const bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "gzip" : "plain");
    testing::ScratchFolder folder;
    folder.write("genome.fa", compressed ? testing::gzip_member(kFasta) : kFasta);
    const std::string path = folder.path("genome.fa");
    Result<std::vector<ReferenceRecord>> records = list_reference_records(path);
    ASSERT_TRUE(records.ok()) << records.failure().message;
    ASSERT_EQ(records.value().size(), 3u);
    EXPECT_EQ(records.value()[0].name, "chrII");
    EXPECT_EQ(records.value()[0].length, 7);
    EXPECT_EQ(records.value()[1].name, "MtDNA");
    EXPECT_EQ(records.value()[2].name, "I");
    EXPECT_EQ(records.value()[2].length, 5);
    ReferenceSequences sequences(path);
    EXPECT_EQ(sequences.read(0, 7).value(), "acgtacg");
    EXPECT_EQ(sequences.read(2, 5).value(), "ggttn");
  }
}

// Records asked for in file order come from the file as it was when the
// first was read (its one opening reads on); a record behind the last one
// read, or that one again, comes from the file as it is then (it is opened
// again). Replacing the file between the reads tells the two apart.
TEST(ReferenceFasta, ReadsOnForRecordsInFileOrderAndAgainForOnesBehind) {
  std::string changed = kFasta;
  changed.replace(changed.find("ACGT"), 4, "TTTT");
  changed.replace(changed.find("TTTT\n"), 4, "AAAA");
  changed.replace(changed.find("Gg TT"), 5, "CCCCC");
  for (const bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "gzip" : "plain");
    testing::ScratchFolder folder;
    const auto stored = [&](const std::string& text) { return compressed ? testing::gzip_member(text) : text; };
    folder.write("genome.fa", stored(kFasta));
    const std::string path = folder.path("genome.fa");
    ReferenceSequences sequences(path);
    EXPECT_EQ(sequences.read(0, 7).value(), "acgtacg");
    folder.write("changed.fa", stored(changed));
    std::filesystem::rename(folder.path("changed.fa"), path);
    EXPECT_EQ(sequences.read(1, 4).value(), "tttt");
    EXPECT_EQ(sequences.read(2, 5).value(), "ggttn");
    EXPECT_EQ(sequences.read(0, 7).value(), "ttttacg");
    EXPECT_EQ(sequences.read(0, 7).value(), "ttttacg");
    EXPECT_EQ(sequences.read(1, 4).value(), "aaaa");
    EXPECT_EQ(sequences.read(2, 6).value(), "cccccn");
  }
}

TEST(ReferenceFasta, ReadingAMissingFileFails) {
  testing::ScratchFolder folder;
  ReferenceSequences sequences(folder.path("none.fa"));
  const Result<std::string> read = sequences.read(0, 1);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.failure().message.rfind("cannot open " + folder.path("none.fa") + ": ", 0), 0u)
      << read.failure().message;
}

TEST(MatchReference, FindsEachChromosomeByItsNameOrItsSpelling) {
  GenomePlan plan;
  plan.chromosomes = {{0, "I", 5, 0, "I"}, {1, "II", 7, 15072450, "II"}};
  const std::vector<ReferenceRecord> records = {{"chrII", 7}, {"MtDNA", 4}, {"I", 5}};
  Result<std::vector<std::size_t>> matched = match_reference(plan, records, "ref.fa", "run.bam");
  ASSERT_TRUE(matched.ok()) << matched.failure().message;
  EXPECT_EQ(matched.value(), (std::vector<std::size_t>{2, 0}));

  const std::vector<ReferenceRecord> without_ii = {{"I", 5}};
  EXPECT_EQ(match_reference(plan, without_ii, "ref.fa", "run.bam").failure().message,
            "ref.fa has no record for chromosome II (\"II\" in the header of run.bam)");
  const std::vector<ReferenceRecord> other_length = {{"I", 5}, {"II", 8}};
  EXPECT_EQ(match_reference(plan, other_length, "ref.fa", "run.bam").failure().message,
            "ref.fa: the record \"II\" has 8 bases, but chromosome II (\"II\" in the header of run.bam) has 7: "
            "were the reads aligned to another reference?");
}

}  // namespace
}  // namespace vesmar
