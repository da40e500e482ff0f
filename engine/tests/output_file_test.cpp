#include "engine/output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>

#include "testing/program_run.h"

namespace vesmar {
namespace {

constexpr OutputFile::Writing kWritings[] = {OutputFile::Writing::InCaller, OutputFile::Writing::Behind};
const char* name_of(OutputFile::Writing writing) {
  return writing == OutputFile::Writing::Behind ? "written behind" : "written by the caller";
}

TEST(OutputFile, ReplaceShowsTheNewFileOnlyAfterCommit) {
  testing::ScratchFolder folder;
  folder.write("report.txt", "old report\n");
  auto created = OutputFile::create(folder.path("report.txt"), OutputFile::Mode::Replace);
  ASSERT_TRUE(created.ok());
  OutputFile& file = *created.value();
  file.write("new ");
  file.fill('g', 3);
  file.put('\n');
  EXPECT_EQ(folder.read("report.txt"), "old report\n");
  EXPECT_TRUE(file.commit().ok());
  EXPECT_EQ(folder.read("report.txt"), "new ggg\n");
  EXPECT_EQ(folder.list(""), (std::vector<std::string>{"Desktop", "bin", "report.txt"}));
}

// Files that belong together take their names together: all of them, or,
// when one cannot (a folder has come to stand at its path), none, the older
// files as they were and no temporary left.
TEST(OutputFile, FilesCommittedTogetherReplaceAllOrNone) {
  for (const bool blocked : {false, true}) {
    SCOPED_TRACE(blocked ? "the second cannot take its name" : "both can");
    testing::ScratchFolder folder;
    folder.write("report.txt", "old report\n");
    auto report = OutputFile::create(folder.path("report.txt"), OutputFile::Mode::Replace);
    auto companion = OutputFile::create(folder.path("report.vcf"), OutputFile::Mode::Replace);
    ASSERT_TRUE(report.ok() && companion.ok());
    report.value()->write("new report\n");
    companion.value()->write("new vcf\n");
    if (blocked) folder.make_folder("report.vcf");
    OutputFile* const files[] = {report.value().get(), companion.value().get()};
    const Status committed = commit_together(files);
    report.value().reset();
    companion.value().reset();
    if (blocked) {
      ASSERT_FALSE(committed.ok());
      EXPECT_EQ(committed.failure().message, "cannot replace " + folder.path("report.vcf") + ": Is a directory");
      EXPECT_EQ(folder.read("report.txt"), "old report\n");
    } else {
      ASSERT_TRUE(committed.ok());
      EXPECT_EQ(folder.read("report.txt"), "new report\n");
      EXPECT_EQ(folder.read("report.vcf"), "new vcf\n");
    }
    EXPECT_EQ(folder.list(""), (std::vector<std::string>{"Desktop", "bin", "report.txt", "report.vcf"}));
  }
}

TEST(OutputFile, ADroppedReplacementLeavesTheOldFileAndNoTemporary) {
  testing::ScratchFolder folder;
  folder.write("report.txt", "old report\n");
  {
    auto created = OutputFile::create(folder.path("report.txt"), OutputFile::Mode::Replace);
    ASSERT_TRUE(created.ok());
    created.value()->write("half a repo");
  }
  EXPECT_EQ(folder.read("report.txt"), "old report\n");
  EXPECT_EQ(folder.list(""), (std::vector<std::string>{"Desktop", "bin", "report.txt"}));
}

TEST(OutputFile, LargeWritesArriveInOrder) {
  for (const OutputFile::Writing writing : kWritings) {
    SCOPED_TRACE(name_of(writing));
    testing::ScratchFolder folder;
    auto created = OutputFile::create(folder.path("big"), OutputFile::Mode::InPlace, writing);
    ASSERT_TRUE(created.ok());
    std::string expected;
    for (int i = 0; i < 300; ++i) {
      std::string piece(std::size_t(i) * 97 + 1, char('a' + i % 26));
      if (i % 50 == 0) piece.assign(std::size_t{3} << 20, 'x');
      created.value()->write(piece);
      expected += piece;
    }
    EXPECT_TRUE(created.value()->commit().ok());
    EXPECT_EQ(folder.read("big"), expected);
  }
}

TEST(OutputFile, BytesBuiltInPlaceArriveInOrderBetweenWrites) {
  for (const OutputFile::Writing writing : kWritings) {
    SCOPED_TRACE(name_of(writing));
    testing::ScratchFolder folder;
    auto created = OutputFile::create(folder.path("built"), OutputFile::Mode::InPlace, writing);
    ASSERT_TRUE(created.ok());
    OutputFile& file = *created.value();
    const std::size_t buffer = file.room(1).size();
    std::string expected;
    for (std::size_t i = 0; i < 5000; ++i) {
      // Pieces of 1 to 600 bytes, and now and then more than the whole buffer.
      const std::size_t size = i % 1000 == 999 ? buffer + 77 : 1 + i * 7919 % 600;
      const char letter = static_cast<char>('a' + i % 26);
      if (i % 3 == 0) {
        file.write(std::string(size, letter));
      } else {
        const std::span<char> room = file.room(size);
        ASSERT_GE(room.size(), size);
        // Scratch beyond the bytes taken is overwritten by what follows.
        std::fill(room.begin(), room.end(), '#');
        std::fill(room.begin(), room.begin() + static_cast<std::ptrdiff_t>(size), letter);
        file.appended(size);
      }
      expected.append(size, letter);
    }
    EXPECT_TRUE(file.commit().ok());
    EXPECT_EQ(folder.read("built"), expected);
  }
}

TEST(OutputFile, RoomIsFlushedExactlyWhenAWriteOfThatSizeWouldBe) {
  for (const std::size_t asked : {std::size_t{10}, std::size_t{11}}) {
    auto created = OutputFile::create("/dev/full", OutputFile::Mode::InPlace);
    ASSERT_TRUE(created.ok());
    OutputFile& file = *created.value();
    const std::size_t buffer = file.room(1).size();
    file.write(std::string(buffer - 10, 'a'));
    EXPECT_EQ(file.room(asked).size(), asked == 10 ? 10 : buffer);
    // Only a flush reaches the full device.
    EXPECT_EQ(file.failed(), asked == 11);
  }
}

TEST(OutputFile, AMissingFolderFailsAtCreationNamingThePath) {
  testing::ScratchFolder folder;
  for (auto mode : {OutputFile::Mode::Replace, OutputFile::Mode::InPlace}) {
    auto created = OutputFile::create(folder.path("no_such_folder/report.txt"), mode);
    ASSERT_FALSE(created.ok());
    EXPECT_NE(created.failure().message.find("no_such_folder/report.txt: No such file or directory"), std::string::npos)
        << created.failure().message;
  }
}

TEST(OutputFile, AFullDeviceFailsTheCommit) {
  auto created = OutputFile::create("/dev/full", OutputFile::Mode::InPlace);
  ASSERT_TRUE(created.ok());
  created.value()->write("a few bytes that never arrive\n");
  Status status = created.value()->commit();
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().message, "cannot write /dev/full: No space left on device");
}

TEST(OutputFile, AFullDeviceIsSeenWhileWriting) {
  for (const OutputFile::Writing writing : kWritings) {
    SCOPED_TRACE(name_of(writing));
    auto created = OutputFile::create("/dev/full", OutputFile::Mode::InPlace, writing);
    ASSERT_TRUE(created.ok());
    const std::size_t buffer = created.value()->room(1).size();
    // Written behind, a full buffer's failure is seen by the next flush.
    for (int i = 0; i < 3; ++i) created.value()->write(std::string(buffer / 2 + 1, 'a'));
    EXPECT_TRUE(created.value()->failed());
    created.value()->write(std::string(std::size_t{4} << 20, 'a'));
    const Status status = created.value()->commit();
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.failure().message, "cannot write /dev/full: No space left on device");
  }
}

TEST(OutputFile, AReplacementDroppedWhileItsBuffersAreWrittenBehindLeavesNoTemporary) {
  testing::ScratchFolder folder;
  folder.write("report.txt", "old report\n");
  {
    auto created =
        OutputFile::create(folder.path("report.txt"), OutputFile::Mode::Replace, OutputFile::Writing::Behind);
    ASSERT_TRUE(created.ok());
    for (int i = 0; i < 40; ++i) created.value()->write(std::string(std::size_t{100} << 10, 'a'));
  }
  EXPECT_EQ(folder.read("report.txt"), "old report\n");
  EXPECT_EQ(folder.list(""), (std::vector<std::string>{"Desktop", "bin", "report.txt"}));
}

}  // namespace
}  // namespace vesmar
