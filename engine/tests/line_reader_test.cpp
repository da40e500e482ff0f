#include "engine/line_reader.h"
#include "engine/line_stream.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "testing/gzip_member.h"
#include "testing/program_run.h"
#include "testing/text_lines.h"

namespace vesmar {
namespace {

using testing::pieces_of;

// What read_in_blocks gave of a file: its pieces in order, and whether every
// stretch was made of whole lines followed by readable bytes.
struct BlockRead {
  std::vector<std::string> pieces;
  bool whole_lines = true;
  Status status;
};

BlockRead read_by_blocks(LineReader& reader) {
  BlockRead read;
  read.status = read_in_blocks(
      reader,
      [&](const char* begin, const char* stop) {
        read.whole_lines = read.whole_lines && stop > begin && stop[-1] == '\n';
        // The bytes behind the stretch may be looked at; the sanitizer build
        // sees any that are not there.
        volatile char behind = stop[kScanSlack - 1];
        (void)behind;
        for_each_line(begin, stop,
                      [&](const char* line, const char* end) { read.pieces.emplace_back(line, end); });
      },
      [&](std::string_view piece) { read.pieces.emplace_back(piece); });
  return read;
}

std::unique_ptr<ByteSource> source_of(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  EXPECT_GE(fd, 0) << path;
  return std::make_unique<FileSource>(fd);
}

// Every content read whole, in small and large blocks, on a thread and
// inline: the pieces between the line feeds, each once and in order, in
// stretches of whole lines, lines longer than a block and than the room
// before one included.
TEST(LineReader, GivesThePiecesBetweenLineFeedsInEveryBlockSize) {
  testing::ScratchFolder folder;
  std::string many;
  for (int i = 0; i < 40000; ++i) many += std::to_string(i % 1000) + (i % 7 == 0 ? "\r\n" : "\n");
  const std::string long_line(300000, 'g');
  const std::vector<std::string> contents = {
      "",
      "a",
      "a\n",
      "a\nb",
      "a\r\nb\r\n",
      "\n\n",
      many,
      many + "end",
      "0\n" + long_line + "\n1\n" + long_line,
      long_line + "\n" + many + long_line,
  };
  for (const std::string& content : contents) {
    folder.write("f", content);
    for (const ReadAhead::Mode mode : {ReadAhead::Mode::Inline, ReadAhead::Mode::Thread}) {
      for (const std::size_t block : {std::size_t{64}, std::size_t{4096}, ReadAhead::kDefaultBlockSize}) {
        LineReader reader(source_of(folder.path("f")), "f", mode, block);
        const BlockRead read = read_by_blocks(reader);
        const std::string what = "content of " + std::to_string(content.size()) + " bytes, block " +
                                 std::to_string(block) + (mode == ReadAhead::Mode::Thread ? ", thread" : "");
        EXPECT_TRUE(read.status.ok()) << what;
        EXPECT_TRUE(read.whole_lines) << what;
        EXPECT_TRUE(read.pieces == pieces_of(content)) << what;
      }
    }
  }
}

// A LineStream gives the lines one at a time, whatever the block size: the
// pieces between line feeds but the empty one after a final line feed.
TEST(LineStream, GivesEachLineOnceAndNoEmptyLastPiece) {
  testing::ScratchFolder folder;
  std::string many;
  for (int i = 0; i < 5000; ++i) many += std::to_string(i) + "\n";
  for (const std::string& content : {std::string(), std::string("\n"), std::string("a\n\nb"), many, many + "end"}) {
    folder.write("f", content);
    std::vector<std::string> expected = pieces_of(content);
    if (expected.back().empty()) expected.pop_back();
    LineStream lines(LineReader(source_of(folder.path("f")), "f", ReadAhead::Mode::Thread, 64));
    std::vector<std::string> got;
    std::string_view line;
    while (lines.next(line)) got.emplace_back(line);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(lines.line_number(), static_cast<std::int64_t>(expected.size()));
    EXPECT_FALSE(lines.failure());
  }
}

// Every truncated prefix of a record gives the whole lines before the cut
// and, last, the piece the cut left.
TEST(LineReader, EveryTruncatedPrefixKeepsTheWholeLinesBeforeIt) {
  testing::ScratchFolder folder;
  const std::string record = "12\n3\nacgtacgtacgtacgtacgtacgta\nacgtacgtacgtacgtacgtacgtt\n";
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    const std::string content = record.substr(0, cut);
    folder.write("f", content);
    Result<LineReader> reader = LineReader::open(folder.path("f"));
    ASSERT_TRUE(reader.ok());
    EXPECT_TRUE(read_by_blocks(reader.value()).pieces == pieces_of(content)) << cut;
  }
}

TEST(ReadInBlocks, WholeLinesThatReturnFalseStopTheReading) {
  testing::ScratchFolder folder;
  // Three blocks' worth of lines and a last line without a line feed.
  std::string content;
  while (content.size() < (std::size_t{3} << 20)) content += "a line of text\n";
  folder.write("f", content + "end");
  for (const bool stop : {false, true}) {
    Result<LineReader> reader = LineReader::open(folder.path("f"));
    ASSERT_TRUE(reader.ok());
    std::size_t stretches = 0;
    std::size_t bytes = 0;
    std::string last;
    const Status status = read_in_blocks(
        reader.value(),
        [&](const char* begin, const char* end) {
          ++stretches;
          bytes += static_cast<std::size_t>(end - begin);
          return !stop;
        },
        [&](std::string_view line) { last = line; });
    EXPECT_TRUE(status.ok());
    if (stop) {
      EXPECT_EQ(stretches, 1u);
      EXPECT_LT(bytes, content.size());
      EXPECT_EQ(last, "");
    } else {
      EXPECT_GT(stretches, 2u);
      EXPECT_EQ(bytes, content.size());
      EXPECT_EQ(last, "end");
    }
  }
}

TEST(LineReader, AReadErrorEndsTheReadingWithAFailureNamingTheFile) {
  // Reading this process's memory from its start fails at once (EIO).
  Result<LineReader> reader = LineReader::open("/proc/self/mem");
  ASSERT_TRUE(reader.ok());
  const BlockRead read = read_by_blocks(reader.value());
  ASSERT_FALSE(read.status.ok());
  EXPECT_EQ(read.status.failure().message, "cannot read /proc/self/mem: Input/output error");
  EXPECT_TRUE(read.pieces.empty());
}

TEST(LineReader, AFolderOrAMissingFileCannotBeOpened) {
  testing::ScratchFolder folder;
  Result<LineReader> missing = LineReader::open(folder.path("nothing"));
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.failure().message.find("nothing"), std::string::npos);
  EXPECT_EQ(missing.failure().kind, FailureKind::not_found);
  EXPECT_EQ(exit_status_of(missing.failure()), 1);
  EXPECT_EQ(missing.failure().error_number, 2);
  Result<LineReader> desktop = LineReader::open(folder.path("Desktop"));
  ASSERT_FALSE(desktop.ok());
  EXPECT_EQ(desktop.failure().error_number, 21);
}

// The reader sees whether a file's first line ends with a carriage return
// before its line feed as it gives the file's first lines, in every block
// size (the line cut across blocks, or longer than one), and in the text of
// a compressed file when asked to decode it. Later lines do not count.
TEST(LineReader, SeesWindowsLineEndsInTheFirstLine) {
  struct Case {
    std::string content;
    LineReader::Decoding decoding;
    bool windows;
  };
  const LineReader::Decoding plain = LineReader::Decoding::Plain;
  const LineReader::Decoding gzip = LineReader::Decoding::GzipByMagic;
  const std::string long_line(70000, 'a');
  const Case cases[] = {
      {"ves\r\nmar\r\n", plain, true},
      {"\r\n", plain, true},
      {"ves\r\nmar\n", plain, true},
      {std::string(63, 'x') + "\r\nb\n", plain, true},
      {long_line + "\r\n", plain, true},
      {long_line + "\r\nb", gzip, true},
      {"ves\nmar\r\n", plain, false},
      {"a\rb\n", plain, false},
      {"ves\r", plain, false},
      {"\r", plain, false},
      {"\n\r\n", plain, false},
      {"", plain, false},
      {long_line + "\n\r\n", plain, false},
      {testing::gzip_member("12\r\n0\r\n"), gzip, true},
      {"12\r\n" + testing::gzip_member("12\n0\n"), gzip, true},
      {testing::gzip_member("12\n0\n"), gzip, false},
      {testing::gzip_member("12\n0\r\n"), gzip, false},
  };
  testing::ScratchFolder folder;
  int number = 0;
  for (const Case& c : cases) {
    const std::string name = "file" + std::to_string(number++);
    folder.write(name, c.content);
    for (const std::size_t block : {std::size_t{64}, std::size_t{4096}, ReadAhead::kDefaultBlockSize}) {
      Result<LineReader> reader = LineReader::open(folder.path(name), c.decoding, block);
      ASSERT_TRUE(reader.ok()) << name;
      EXPECT_FALSE(reader.value().windows_line_ends()) << name << ": nothing read yet";
      const BlockRead read = read_by_blocks(reader.value());
      EXPECT_TRUE(read.status.ok()) << name;
      EXPECT_EQ(reader.value().windows_line_ends(), c.windows) << name << ", block " << block;
    }
  }
}

// read_each_line names each file with Windows line ends, and reads it as it
// stands, carriage returns and all.
TEST(ReadEachLine, NamesTheFilesWithWindowsLineEnds) {
  testing::ScratchFolder folder;
  folder.write("unix", "a\nb\r\n");
  folder.write("windows", "a\r\nb\r\n");
  WindowsLineEndFiles named;
  std::vector<std::string> lines;
  for (const char* name : {"unix", "windows", "nothing"}) {
    (void)read_each_line(folder.path(name), [&](std::string_view line) { lines.emplace_back(line); }, &named);
  }
  EXPECT_EQ(named, WindowsLineEndFiles{folder.path("windows")});
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b\r", "", "a\r", "b\r", ""}));
  EXPECT_TRUE(read_each_line(folder.path("windows"), [](std::string_view) {}).ok()) << "naming is optional";
}

}  // namespace
}  // namespace vesmar
