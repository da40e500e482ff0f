#include "package_generator/read_files.h"

#include <gtest/gtest.h>

#include "testing/program_run.h"

namespace vesmar::generator {
namespace {

// Each format's record of the same read, with either instrument's names:
// gseq writes "." where no base was called, and only gseq tells whether the
// read passed the filter.
TEST(ReadFile, WritesEachFormatsRecordOfARead) {
  const SolexaRead read{3, 12, 845, 1290, "ACGNT", "hhgB@", false};
  const ReadSource one{"HWI-EAS285", "0001", "HWI-EAS285"}, other{"HWI-EAS209", "6", "HWI-EAS209_0006"};
  const std::tuple<ReadFileFormat, ReadSource, std::string> cases[] = {
      {ReadFileFormat::Fastq, one, "@HWI-EAS285:3:12:845:1290#0/1\nACGNT\n+\nhhgB@\n"},
      {ReadFileFormat::Fasta, other, ">HWI-EAS209_0006:3:12:845:1290#0/1\nACGNT\n"},
      {ReadFileFormat::Gseq, other, "HWI-EAS209\t6\t3\t12\t845\t1290\t0\t1\tACG.T\thhgB@\t0\n"},
  };
  testing::ScratchFolder folder;
  for (const auto& [format, source, record] : cases) {
    Result<ReadFile> file = ReadFile::create(folder.path("reads"), format, source);
    ASSERT_TRUE(file.ok()) << file.failure().message;
    file.value().add(read);
    ASSERT_TRUE(file.value().commit().ok());
    EXPECT_EQ(folder.read("reads"), record);
    EXPECT_EQ(file.value().summary().bytes, static_cast<std::int64_t>(record.size()));
  }
}

}  // namespace
}  // namespace vesmar::generator
