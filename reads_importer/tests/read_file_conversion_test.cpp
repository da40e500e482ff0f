#include "reads_importer/read_file_conversion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/number_reader.h"
#include "testing/program_run.h"
#include "testing/gzip_member.h"

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
  EXPECT_TRUE(created.value()->commit().ok());
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

// A carriage return just before a line feed belongs to the line's end; any
// other stays in the read (a file of carriage returns alone is one line).
TEST(ConvertFile, CarriageReturnsBeforeLineFeedsEndTheLine) {
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {">h\r\nACGT\r\n\r\n"}).reads, "acgt\n\n");
  EXPECT_EQ(convert_contents(ReadFormat::fastq, {"@r\r\nACGT\r\n+\r\nIIII\r\n"}).reads, "acgt\n");
  EXPECT_EQ(convert_contents(ReadFormat::gseq, {"a b c d e f g h ACGT j 1\r\n"}).reads, "acgt\n");
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {"AC\rGT\r"}).reads, "ac\rgt\r\n");
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {"AC\r\r\nGT\r"}).reads, "ac\r\ngt\r\n");
}

TEST(ConvertFile, ReadsAreCutAtExactly32AndShorterOnesKeptWhole) {
  for (const std::size_t length : {0, 1, 15, 16, 17, 31, 32, 33, 64, 1000}) {
    EXPECT_EQ(convert_contents(ReadFormat::fasta, {std::string(length, 'C') + "\n>h\n"}).reads,
              std::string(std::min<std::size_t>(length, 32), 'c') + "\n")
        << "length " << length;
  }
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {"ACGT.Nacgt" + std::string(26, 'T')}).reads,
            "acgtnnacgt" + std::string(22, 't') + "\n");
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {std::string(32, 'A') + "\r\n"}).reads,
            std::string(32, 'a') + "\n");
}

TEST(ConvertFile, FastaLinesWithAnAngleBracketAnywhereAreSkipped) {
  EXPECT_EQ(convert_contents(ReadFormat::fasta, {">chr1\nACGT\nAC>GT\n\nGG>\nTT\r\n >\nN"}).reads,
            "acgt\n\ntt\nn\n");
  // Lines of every length around the 16 and 64 bytes looked at together, with
  // the ">" last in the line or first in the next one.
  for (std::size_t length = 1; length <= 70; ++length) {
    const std::string line(length - 1, 'A');
    EXPECT_EQ(convert_contents(ReadFormat::fasta, {line + ">\n" + line + "C\n>\n"}).reads,
              std::string(std::min<std::size_t>(length - 1, 32), 'a') + (length <= 32 ? "c\n" : "\n"))
        << "length " << length;
  }
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
  EXPECT_FALSE(created.value()->commit().ok());
}

// The conversion as the rules state it, one line at a time, without any of
// the block machinery: the reference that the converter must agree with.
struct PlainConversion {
  std::string reads;
  std::uint64_t lines = 0;
};

bool is_gseq_separator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string plain_normalised(std::string_view read) {
  std::string text(read.substr(0, 32));
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == '.') c = 'n';
  }
  return text + "\n";
}

std::optional<std::string_view> plain_gseq_read(std::string_view line) {
  std::vector<std::string_view> fields;
  if (!line.empty() && is_gseq_separator(line[0])) fields.emplace_back();
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && is_gseq_separator(line[at])) ++at;
    if (at == line.size()) break;
    std::size_t end = at;
    while (end < line.size() && !is_gseq_separator(line[end])) ++end;
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  if (fields.size() != 11 || read_leading_decimal(fields[10]) != 1.0) return std::nullopt;
  return fields[8];
}

PlainConversion plain_conversion(ReadFormat format, int& fastq_line, const std::string& text) {
  PlainConversion result;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + begin, end - begin);
    // In FASTQ and FASTA a carriage return before a line feed ends the line.
    if (end < text.size() && format != ReadFormat::gseq && line.ends_with('\r')) line.remove_suffix(1);
    begin = end + 1;
    ++result.lines;
    std::optional<std::string_view> read;
    if (format == ReadFormat::gseq) read = plain_gseq_read(line);
    if (format == ReadFormat::fastq) {
      fastq_line = fastq_line + 1 == 4 ? 0 : fastq_line + 1;
      if (fastq_line == 2) read = line;
    }
    if (format == ReadFormat::fasta && line.find('>') == std::string_view::npos) read = line;
    if (read) result.reads += plain_normalised(*read);
  }
  return result;
}

// Random read files: lines of every shape the formats meet, and damaged ones.
class RandomReadFile {
 public:
  explicit RandomReadFile(std::uint64_t seed) : random_(seed) {}

  std::string file(ReadFormat format, std::size_t lines) {
    std::string text;
    const bool crlf = pick(4) == 0;
    for (std::size_t i = 0; i < lines; ++i) {
      text += line(format);
      if (crlf) text += '\r';
      text += '\n';
    }
    // Without its final line feed, now and then with a last line after it.
    if (pick(3) == 0 && !text.empty()) text.pop_back();
    if (pick(4) == 0) text += line(format);
    return text;
  }

  std::size_t pick(std::size_t count) { return static_cast<std::size_t>(random_() % count); }

 private:
  std::string bases(std::size_t length) {
    static const char kBytes[] = "ACGTNACGTacgtn.-*>\r\v\f \t01\x80\xff";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
      // Mostly bases; now and then any byte of kBytes.
      text += pick(8) == 0 ? kBytes[pick(sizeof kBytes - 1)] : "ACGT"[pick(4)];
    }
    return text;
  }

  std::string word(std::size_t longest) {
    std::string text;
    const std::size_t length = pick(longest + 1);
    for (std::size_t i = 0; i < length; ++i) text += "HWI-EAS0123456789ABCDEF.:#/"[pick(27)];
    return text;
  }

  std::string separator() {
    std::string text(1, '\t');
    while (pick(6) == 0) text += " \t\r\f\v"[pick(5)];
    return text;
  }

  std::string line(ReadFormat format) {
    if (pick(20) == 0) return "";
    if (pick(20) == 0) return bases(pick(200));
    switch (format) {
      case ReadFormat::gseq: {
        static const char* const kFilters[] = {"1", "0", "1.0", "01", "Y", "1e0", "11", "+1", "1.5", "1x"};
        const std::size_t fields = pick(5) == 0 ? 9 + pick(5) : 11;
        std::string text = pick(10) == 0 ? separator() : "";
        for (std::size_t field = 1; field <= fields; ++field) {
          if (field > 1) text += separator();
          if (field == 9 || field == 10) {
            text += bases(pick(5) == 0 ? pick(80) : 36);
          } else if (field == fields) {
            text += kFilters[pick(std::size(kFilters))];
          } else {
            text += word(12);
          }
        }
        if (pick(6) == 0) text += separator();
        return text;
      }
      case ReadFormat::fastq:
      case ReadFormat::fasta: {
        if (pick(3) == 0) {
          std::string header(1, format == ReadFormat::fasta ? '>' : '@');
          header += word(40);
          return header;
        }
        return bases(pick(4) == 0 ? pick(100) : 36);
      }
    }
    return "";
  }

  std::mt19937_64 random_;
};

// Converts `files` in turn into one reads file, through the reader that
// LineReader::open with gzip decoding gives (compressed first when `gzip`), checking each file's
// line count and the FASTQ counter against the plain conversion.
void expect_agreement(const testing::ScratchFolder& folder, ReadFormat format, int fastq_line,
                      const std::vector<std::string>& files, bool gzip) {
  auto created = OutputFile::create(folder.path("reads.txt"), OutputFile::Mode::Replace);
  ASSERT_TRUE(created.ok());
  ConversionState state{format, fastq_line};
  std::string expected;
  for (std::size_t i = 0; i < files.size(); ++i) {
    folder.write("input", gzip ? testing::gzip_member(files[i]) : files[i]);
    Result<LineReader> input = LineReader::open(folder.path("input"), LineReader::Decoding::GzipByMagic);
    ASSERT_TRUE(input.ok());
    const FileConversion conversion = convert_file(input.value(), state, *created.value());
    const PlainConversion plain = plain_conversion(format, fastq_line, files[i]);
    expected += plain.reads;
    ASSERT_FALSE(conversion.read_failure.has_value()) << "file " << i;
    ASSERT_EQ(conversion.lines, plain.lines) << "file " << i;
    ASSERT_EQ(state.fastq_line, fastq_line) << "file " << i;
  }
  ASSERT_TRUE(created.value()->commit().ok());
  const std::string reads = folder.read("reads.txt");
  ASSERT_EQ(reads.size(), expected.size());
  ASSERT_TRUE(reads == expected) << "first difference at byte "
                                 << std::mismatch(reads.begin(), reads.end(), expected.begin()).first -
                                        reads.begin();
}

constexpr ReadFormat kFormats[] = {ReadFormat::gseq, ReadFormat::fastq, ReadFormat::fasta};

TEST(ConvertFile, AgreesWithThePlainConversionOnRandomFilesOfEveryFormat) {
  const testing::ScratchFolder folder;
  for (const ReadFormat format : kFormats) {
    RandomReadFile random(static_cast<std::uint64_t>(format) + 1);
    for (int run = 0; run < 60; ++run) {
      SCOPED_TRACE("format " + std::to_string(static_cast<int>(format)) + ", run " + std::to_string(run));
      // Several files with the counter carried from one to the next, some
      // of them empty or of a single line.
      std::vector<std::string> files;
      const std::size_t count = 1 + random.pick(4);
      for (std::size_t i = 0; i < count; ++i) {
        files.push_back(random.file(format, random.pick(3) * random.pick(60)));
      }
      expect_agreement(folder, format, static_cast<int>(random.pick(4)), files, run % 4 == 3);
    }
  }
}

TEST(ConvertFile, AgreesWithThePlainConversionAcrossBlocksAndOnLinesLongerThanABlock) {
  const testing::ScratchFolder folder;
  for (const ReadFormat format : kFormats) {
    SCOPED_TRACE("format " + std::to_string(static_cast<int>(format)));
    RandomReadFile random(static_cast<std::uint64_t>(format) + 100);
    // Some 2.5 MiB of lines, so that lines straddle the block boundaries; a
    // file whose line count is not a multiple of four before the next.
    std::string many = random.file(format, 40000);
    std::string long_lines = random.file(format, 7);
    // Lines of more than a block, one of them a read, one a header or a gseq
    // record with a long read field.
    long_lines += '\n';
    long_lines.append((std::size_t{3} << 19) + 5, 'C');
    long_lines += "\n>";
    long_lines.append(std::size_t{1} << 20, 'A');
    long_lines += "\na\tb\tc\td\te\tf\tg\th\t";
    long_lines.append((std::size_t{1} << 20) + 64, 'G');
    long_lines += "\tQ\t1\n";
    long_lines += random.file(format, 5);
    expect_agreement(folder, format, 0, {many, long_lines, many}, false);
    expect_agreement(folder, format, 1, {long_lines, many}, true);
  }
}

}  // namespace
}  // namespace vesmar
