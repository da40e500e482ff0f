#include "reads_importer/read_file_conversion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

struct Converted {
  std::string reads;
  std::uint64_t lines = 0;
  bool read_failed = false;
};

// Converts the files holding `contents`, in turn, into one reads file.
Converted convert_contents(ReadFormat format, const std::vector<std::string>& contents,
                           const testing::ScratchFolder& folder = testing::ScratchFolder()) {
  auto created = OutputFile::create(folder.path("reads.txt"), OutputFile::Mode::Replace);
  EXPECT_TRUE(created.ok());
  ConversionState state{format};
  Converted result;
  for (const std::string& content : contents) {
    folder.write("input", content);
    Result<LineReader> input = LineReader::open(folder.path("input"));
    EXPECT_TRUE(input.ok());
    FileConversion conversion = convert_file(input.value(), state, *created.value());
    result.lines += conversion.lines;
    result.read_failed = result.read_failed || conversion.read_failure.has_value();
  }
  EXPECT_EQ(created.value()->commit(), std::nullopt);
  result.reads = folder.read("reads.txt");
  return result;
}

TEST(ConvertFile, CountsLinesAsAnEditorShowsThem) {
  struct Case {
    std::string content;
    std::uint64_t lines;
  };
  const Case cases[] = {{"", 0}, {"\n", 1}, {"a", 1}, {"a\n", 1}, {"a\nb", 2}, {"a\n\n", 2}, {"a\r\n", 1}, {"\r", 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(convert_contents(ReadFormat::fasta, {c.content}).lines, c.lines) << "content: " << c.content;
  }
}

TEST(ConvertFile, EveryTruncatedPrefixOfAFastqRecordGivesWhatItHoldsOfTheRead) {
  const std::string record = "@read1\nACGTAC\n+\nIIIIII\n";
  const std::string read = "acgtac";
  const testing::ScratchFolder folder;
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    // The read line starts at byte 7; a cut inside it gives the part before the cut.
    const std::string expected = cut <= 7 ? "" : read.substr(0, std::min<std::size_t>(cut - 7, 6)) + "\n";
    EXPECT_EQ(convert_contents(ReadFormat::fastq, {record.substr(0, cut)}, folder).reads, expected)
        << "cut at " << cut;
  }
}

TEST(ConvertFile, ALastLineWithoutALineFeedIsALineLikeTheOthers) {
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {">h\nACGT"}).reads, "acgt\n");
  EXPECT_EQ(convert_contents(ReadFormat::fastq, {"@\nACGT"}).reads, "acgt\n");
  EXPECT_EQ(convert_contents(ReadFormat::gseq, {"a b c d e f g h ACGT j 1"}).reads, "acgt\n");
}

TEST(ConvertFile, CarriageReturnLineEndsStayInFastqAndFastaReadsButNotInGseq) {
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {">h\r\nACGT\r\n\r\n"}).reads, "acgt\r\n\r\n");
  EXPECT_EQ(convert_contents(ReadFormat::fastq, {"@r\r\nACGT\r\n+\r\nIIII\r\n"}).reads, "acgt\r\n");
  EXPECT_EQ(convert_contents(ReadFormat::gseq, {"a b c d e f g h ACGT j 1\r\n"}).reads, "acgt\n");
}

TEST(ConvertFile, AFileOfCarriageReturnsAloneIsOneLine) {
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {"AC\rGT\r"}).reads, "ac\rgt\r\n");
}

TEST(ConvertFile, TheFastqCounterCarriesOverToTheNextFile) {
  const std::string six_lines = "@a\nAAAA\n+\nIIII\n@b\nCCCC\n";
  const std::string eight_lines = "@c\nGGGG\n+\nIIII\n@d\nTTTT\n+\nIIII\n";
  // After six lines the second file is read out of step: its lines 4 and 8.
  EXPECT_EQ(convert_contents(ReadFormat::fastq, {six_lines, eight_lines}).reads, "aaaa\ncccc\niiii\niiii\n");
  EXPECT_EQ(convert_contents(ReadFormat::fastq, {eight_lines, six_lines}).reads, "gggg\ntttt\naaaa\ncccc\n");
}

TEST(ConvertFile, LinesLongerThanABlockAreReadWhole) {
  const std::string long_line(std::size_t{3} << 20, 'A');
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {long_line + "\nC\n>" + long_line + "\nG"}).reads,
            std::string(32, 'a') + "\nc\ng\n");
}

TEST(ConvertFile, AReadErrorEndsTheFileAndIsReported) {
  // Reading the start of a process's own memory file fails with an I/O error.
  Result<LineReader> input = LineReader::open("/proc/self/mem");
  ASSERT_TRUE(input.ok());
  testing::ScratchFolder folder;
  auto created = OutputFile::create(folder.path("reads.txt"), OutputFile::Mode::InPlace);
  ASSERT_TRUE(created.ok());
  ConversionState state{ReadFormat::fasta};
  FileConversion conversion = convert_file(input.value(), state, *created.value());
  ASSERT_TRUE(conversion.read_failure.has_value());
  EXPECT_NE(conversion.read_failure->message.find("/proc/self/mem"), std::string::npos);
}

TEST(ConvertFile, StopsOnceTheReadsFileCannotBeWritten) {
  testing::ScratchFolder folder;
  std::string many_reads;
  for (int i = 0; i < 200000; ++i) many_reads += "ACGTACGTACGTACGTACGTACGTACGTACGT\n";
  folder.write("input", many_reads);
  auto created = OutputFile::create("/dev/full", OutputFile::Mode::InPlace);
  ASSERT_TRUE(created.ok());
  Result<LineReader> input = LineReader::open(folder.path("input"));
  ASSERT_TRUE(input.ok());
  ConversionState state{ReadFormat::fasta};
  FileConversion conversion = convert_file(input.value(), state, *created.value());
  EXPECT_TRUE(created.value()->failed());
  EXPECT_LT(conversion.lines, 200000u);
  EXPECT_TRUE(created.value()->commit().has_value());
}

}  // namespace
}  // namespace vesmar
