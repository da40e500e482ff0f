#include "common/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "common/testing/program_run.h"

namespace vesmar {
namespace {

struct ReadLines {
  std::vector<std::string> lines;
  std::vector<bool> terminated;
  LineReader::Next last;
};

ReadLines read_all(const std::string& path) {
  Result<LineReader> reader = LineReader::open(path);
  EXPECT_TRUE(reader.ok());
  ReadLines result;
  std::string_view line;
  while ((result.last = reader.value().next(line)) == LineReader::Next::Line) {
    result.lines.emplace_back(line);
    result.terminated.push_back(reader.value().terminated());
  }
  return result;
}

TEST(LineReader, GivesThePiecesBetweenLineFeeds) {
  testing::ScratchFolder folder;
  struct Case {
    std::string content;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {""}},
      {"a", {"a"}},
      {"a\n", {"a", ""}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a\r", "b\r", ""}},
      {"\n\n", {"", "", ""}},
  };
  for (const Case& c : cases) {
    folder.write("f", c.content);
    ReadLines got = read_all(folder.path("f"));
    EXPECT_EQ(got.lines, c.lines) << "content: " << c.content;
    EXPECT_EQ(got.last, LineReader::Next::EndOfFile);
    ASSERT_FALSE(got.terminated.empty());
    EXPECT_FALSE(got.terminated.back());
  }
}

TEST(LineReader, EveryTruncatedPrefixKeepsTheWholeLinesBeforeIt) {
  testing::ScratchFolder folder;
  const std::string record = "12\n3\nacgtacgtacgtacgtacgtacgta\nacgtacgtacgtacgtacgtacgtt\n";
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    const std::string content = record.substr(0, cut);
    folder.write("f", content);
    ReadLines got = read_all(folder.path("f"));
    std::string joined;
    for (std::size_t i = 0; i < got.lines.size(); ++i) {
      if (i > 0) joined += '\n';
      joined += got.lines[i];
    }
    EXPECT_EQ(joined, content);
  }
}

TEST(LineReader, LinesLongerThanABlockArriveWhole) {
  testing::ScratchFolder folder;
  const std::string long_line(3 * 1024 * 1024 + 7, 'g');
  std::string content;
  for (int i = 0; i < 3; ++i) content += std::to_string(i) + "\n" + long_line + "\n";
  folder.write("f", content);
  ReadLines got = read_all(folder.path("f"));
  ASSERT_EQ(got.lines.size(), 7u);
  EXPECT_EQ(got.lines[0], "0");
  EXPECT_EQ(got.lines[1], long_line);
  EXPECT_EQ(got.lines[4], "2");
  EXPECT_EQ(got.lines[5], long_line);
  EXPECT_EQ(got.lines[6], "");
}

TEST(LineReader, ManyShortLinesAcrossBlockBoundaries) {
  testing::ScratchFolder folder;
  std::string content;
  for (int i = 0; i < 400000; ++i) content += std::to_string(i % 1000) + "\n";
  folder.write("f", content);
  ReadLines got = read_all(folder.path("f"));
  ASSERT_EQ(got.lines.size(), 400001u);
  for (int i = 0; i < 400000; ++i) ASSERT_EQ(got.lines[i], std::to_string(i % 1000));
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
    std::size_t blocks = 0;
    std::size_t bytes = 0;
    std::string last;
    const Status status = read_in_blocks(
        reader.value(),
        [&](const char* begin, const char* end) {
          ++blocks;
          bytes += static_cast<std::size_t>(end - begin);
          return !stop;
        },
        [&](std::string_view line) { last = line; });
    EXPECT_TRUE(status.ok());
    if (stop) {
      EXPECT_EQ(blocks, 1u);
      EXPECT_LT(bytes, content.size());
      EXPECT_EQ(last, "");
    } else {
      EXPECT_GT(blocks, 2u);
      EXPECT_EQ(bytes, content.size());
      EXPECT_EQ(last, "end");
    }
  }
}

// What read_in_blocks gave of a file: its spans and last piece, in order,
// and whether every span was made of whole lines. after_first_span runs
// once, after the first span.
struct BlockRead {
  std::string seen;
  bool whole_lines = true;
  Status status;
};

BlockRead read_by_blocks(const std::string& path,
                         const std::function<void()>& after_first_span = [] {}) {
  BlockRead read;
  Result<LineReader> reader = LineReader::open(path);
  EXPECT_TRUE(reader.ok());
  if (!reader.ok()) return read;
  bool first = true;
  read.status = read_in_blocks(
      reader.value(),
      [&](const char* begin, const char* end) {
        read.whole_lines = read.whole_lines && end > begin && end[-1] == '\n';
        read.seen.append(begin, end);
        if (first) after_first_span();
        first = false;
      },
      [&](std::string_view line) { read.seen += line; });
  return read;
}

// Files of several windows are read through mapped windows, the rest in
// blocks: together they must give every byte once, in order, in whole lines.
TEST(ReadInBlocks, MappedWindowsAndBlocksTogetherGiveTheFileExactly) {
  testing::ScratchFolder folder;
  std::string lines;
  for (std::size_t i = 0; lines.size() < (std::size_t{13} << 20); ++i) {
    lines += std::string(i % 97, static_cast<char>('a' + i % 26)) + "\n";
  }
  const std::string long_line(std::size_t{9} << 20, 'x');  // longer than a window
  const std::vector<std::string> files = {
      lines + "end",                                          // windows, then blocks
      lines + long_line + "\n" + lines,                       // a line no window holds
      lines.substr(0, (std::size_t{2} << 20) + 100) + "\n",  // about one window
  };
  for (std::size_t f = 0; f < files.size(); ++f) {
    folder.write("f", files[f]);
    const BlockRead read = read_by_blocks(folder.path("f"));
    EXPECT_TRUE(read.status.ok());
    EXPECT_TRUE(read.whole_lines) << "file " << f;
    EXPECT_TRUE(read.seen == files[f]) << "file " << f;
  }
}

// A file cut short while it is read: what is left of it is read through the
// buffer, which ends where the file now ends, instead of a mapping that the
// missing bytes would make unreadable.
TEST(ReadInBlocks, AFileCutShortWhileReadEndsWhereItNowEnds) {
  testing::ScratchFolder folder;
  std::string content;
  while (content.size() < (std::size_t{10} << 20)) content += "a line of text\n";
  folder.write("f", content);
  const std::size_t kept = (std::size_t{3} << 20) + 7;
  const BlockRead read = read_by_blocks(folder.path("f"), [&] {
    ASSERT_EQ(::truncate(folder.path("f").c_str(), static_cast<off_t>(kept)), 0);
  });
  EXPECT_TRUE(read.status.ok());
  EXPECT_TRUE(read.seen == content.substr(0, kept));
}

TEST(LineReader, AFolderOrAMissingFileCannotBeOpened) {
  testing::ScratchFolder folder;
  Result<LineReader> missing = LineReader::open(folder.path("nothing"));
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.failure().message.find("nothing"), std::string::npos);
  EXPECT_EQ(missing.failure().exit_status, 1);
  EXPECT_EQ(missing.failure().error_number, 2);
  Result<LineReader> desktop = LineReader::open(folder.path("Desktop"));
  ASSERT_FALSE(desktop.ok());
  EXPECT_EQ(desktop.failure().error_number, 21);
}

}  // namespace
}  // namespace vesmar
