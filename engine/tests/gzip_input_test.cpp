// Reading input read files that are gzip-compressed: one member, several
// members one after another, and files that are cut short or damaged.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/line_reader.h"
#include "testing/program_run.h"
#include "testing/text_lines.h"
#include "engine/gzip_source.h"
#include "testing/gzip_member.h"

namespace vesmar {
namespace {

using testing::gzip_member;
using testing::lines_of;
using testing::ScratchFolder;

const std::string kCutShort = "the file ends in the middle of its compressed data (it is cut short)";

// The lines a reader gives, as a text editor shows them, and the failure
// that ended it early, if one did.
struct ReadOut {
  std::vector<std::string> lines;
  std::optional<std::string> failure;
};

ReadOut read_all(LineReader& reader) {
  ReadOut out;
  const Status status = read_each_line(reader, [&](std::string_view line) { out.lines.emplace_back(line); });
  // The empty piece after a final line feed is no line an editor shows.
  if (!out.lines.empty() && out.lines.back().empty()) out.lines.pop_back();
  if (!status.ok()) out.failure = status.failure().message;
  return out;
}

bool is_prefix(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

// FASTQ records enough to fill several blocks of compressed input.
std::string fastq_records(int count) {
  std::string text;
  std::uint32_t state = 12345;
  for (int i = 0; i < count; ++i) {
    text += "@HWI-EAS209:1:1:" + std::to_string(i) + "\n";
    for (int base = 0; base < 36; ++base) {
      state = state * 1103515245 + 12345;
      text += "ACGT"[(state >> 16) & 3];
    }
    text += "\n+\nhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhh\n";
  }
  return text;
}

class GzipInput : public ::testing::Test {
 protected:
  // Reads `bytes` through LineReader::open with gzip decoding, from a file named `name`.
  ReadOut read_file(const std::string& name, const std::string& bytes) {
    folder.write(name, bytes);
    Result<LineReader> reader = LineReader::open(folder.path(name), LineReader::Decoding::GzipByMagic);
    EXPECT_TRUE(reader.ok());
    if (!reader.ok()) return {};
    return read_all(reader.value());
  }

  // Decodes `bytes` with compressed input read `block` bytes at a time, so
  // that member ends and read-ahead fall at every place of a block.
  ReadOut decode(const std::string& bytes, std::size_t block) {
    folder.write("in.gz", bytes);
    const int fd = ::open(folder.path("in.gz").c_str(), O_RDONLY);
    EXPECT_GE(fd, 0);
    LineReader reader(std::make_unique<GzipSource>(std::make_unique<FileSource>(fd), block), "in.gz", ReadAhead::Mode::Inline);
    return read_all(reader);
  }

  ScratchFolder folder;
};

TEST_F(GzipInput, OneMemberReadsAsItsText) {
  const std::string text = fastq_records(3000);
  const ReadOut out = read_file("lane1.fastq.gz", gzip_member(text));
  EXPECT_EQ(out.failure, std::nullopt);
  EXPECT_EQ(out.lines, lines_of(text));
}

TEST_F(GzipInput, MembersOneAfterAnotherReadAsOneText) {
  // Split inside a line, and an empty member among them, as concatenated
  // .gz files give.
  const std::string parts[] = {"@r1\nACGTA", "", "CGT\n+\nhhhhhhhhh\n", "@r2\nTTTT\n+\nhhhh"};
  std::string compressed;
  std::string text;
  for (const std::string& part : parts) {
    compressed += gzip_member(part);
    text += part;
  }
  for (std::size_t block : {1, 2, 3, 5, 8, 9, 13, 64, 4096}) {
    SCOPED_TRACE(block);
    const ReadOut out = decode(compressed, block);
    EXPECT_EQ(out.failure, std::nullopt);
    EXPECT_EQ(out.lines, lines_of(text));
  }
  EXPECT_EQ(read_file("two.fq.gz", compressed).lines, lines_of(text));
}

TEST_F(GzipInput, EveryCutShortFileFailsAfterTheLinesBeforeTheCut) {
  const std::string first = "@r1\nACGTACGT\n+\nhhhhhhhh\n@r2\nGGGG\n";
  const std::string second = "+\nhhhh\n@r3\nCCCC\n+\nhhhh\n";
  const std::string one = gzip_member(first);
  const std::string both = one + gzip_member(second);
  const std::vector<std::string> all_lines = lines_of(first + second);
  for (std::size_t cut = 2; cut < both.size(); ++cut) {
    SCOPED_TRACE(cut);
    for (std::size_t block : {7, 4096}) {
      const ReadOut out = decode(both.substr(0, cut), block);
      EXPECT_TRUE(is_prefix(out.lines, all_lines));
      if (cut == one.size()) {
        // A whole first member is a whole gzip file.
        EXPECT_EQ(out.failure, std::nullopt);
        EXPECT_EQ(out.lines, lines_of(first));
      } else {
        EXPECT_EQ(out.failure, "cannot read in.gz: " + kCutShort);
      }
    }
  }
}

TEST_F(GzipInput, ACutShortFileKeepsWhatWasDecodedBeforeTheCut) {
  const std::string text = fastq_records(20000);
  const std::string compressed = gzip_member(text);
  const ReadOut out = read_file("lane1.fastq.gz", compressed.substr(0, compressed.size() / 2));
  EXPECT_EQ(out.failure, "cannot read " + folder.path("lane1.fastq.gz") + ": " + kCutShort);
  EXPECT_GT(out.lines.size(), 1000u);
  EXPECT_TRUE(is_prefix(out.lines, lines_of(text)));
}

TEST_F(GzipInput, DamagedFilesFailAfterTheLinesBeforeTheDamage) {
  const std::string text = "@r1\nACGT\n+\nhhhh\n";
  const std::string member = gzip_member(text);

  std::string bad_checksum = member;
  bad_checksum[bad_checksum.size() - 6] ^= 0x55;  // inside the CRC of the trailer
  const ReadOut checksum = decode(bad_checksum, 4096);
  EXPECT_EQ(checksum.failure,
            "cannot read in.gz: the checksum of its compressed data does not match: the file is damaged");
  EXPECT_TRUE(is_prefix(checksum.lines, lines_of(text)));

  std::string bad_method = member;
  bad_method[2] = 7;  // compression method: only 8, deflate, exists
  EXPECT_EQ(decode(bad_method, 4096).failure,
            "cannot read in.gz: it is compressed with a method other than deflate");

  const ReadOut trailing = decode(member + "more text\n", 4096);
  EXPECT_EQ(trailing.failure, "cannot read in.gz: the bytes after its last gzip member are not gzip data");
  EXPECT_EQ(trailing.lines, lines_of(text));

  // Every byte of the compressed data changed in turn: a failure or the
  // text, never anything else.
  for (std::size_t at = 10; at + 8 < member.size(); ++at) {
    std::string damaged = member;
    damaged[at] ^= 0xff;
    const ReadOut out = decode(damaged, 5);
    EXPECT_TRUE(out.failure.has_value() || out.lines == lines_of(text)) << at;
  }
}

TEST_F(GzipInput, FilesThatAreNotGzipAreReadAsTheyStandWhateverTheirName) {
  EXPECT_EQ(read_file("plain.fastq.gz", "@r1\nACGT\n+\nhhhh\n").lines,
            (std::vector<std::string>{"@r1", "ACGT", "+", "hhhh"}));
  EXPECT_EQ(read_file("one_byte.gz", "\x1f").lines, std::vector<std::string>{"\x1f"});
  EXPECT_EQ(read_file("near_magic.gz", "\x1f\x8a\n").lines, std::vector<std::string>{"\x1f\x8a"});
  EXPECT_EQ(read_file("empty.gz", "").lines, std::vector<std::string>{});
}

// A pipe cannot be looked at without taking its first bytes: they are handed
// on, whether the pipe carries gzip or text.
TEST_F(GzipInput, APipeIsRecognisedAsWell) {
  for (const std::string& text : {std::string("@r1\nACGT\n"), std::string("A"), std::string()}) {
    for (bool compressed : {true, false}) {
      SCOPED_TRACE(text + (compressed ? " compressed" : " plain"));
      int ends[2];
      ASSERT_EQ(::pipe(ends), 0);
      const std::string bytes = compressed ? gzip_member(text) : text;
      ASSERT_EQ(::write(ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
      ::close(ends[1]);
      Result<LineReader> reader = LineReader::open("/proc/self/fd/" + std::to_string(ends[0]), LineReader::Decoding::GzipByMagic);
      ::close(ends[0]);
      ASSERT_TRUE(reader.ok());
      const ReadOut out = read_all(reader.value());
      EXPECT_EQ(out.failure, std::nullopt);
      EXPECT_EQ(out.lines, lines_of(text));
    }
  }
}

}  // namespace
}  // namespace vesmar
