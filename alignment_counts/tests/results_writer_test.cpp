#include "alignment_counts/results_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/program_run.h"

namespace vesmar {
namespace {

// What a writer writes for `write(writer)`.
template <class Write>
std::string written(Write&& write, std::int64_t* capped = nullptr) {
  testing::ScratchFolder folder;
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(folder.path("out.txt"), OutputFile::Mode::Replace);
  EXPECT_TRUE(file.ok());
  ResultsWriter writer(*file.value());
  write(writer);
  EXPECT_TRUE(file.value()->commit().ok());
  if (capped != nullptr) *capped = writer.capped_positions();
  return folder.read("out.txt");
}

TEST(ResultsWriter, KeepsCountLinesToSixCharactersForTheGapScanner) {
  std::int64_t capped = 0;
  const std::string text = written(
      [](ResultsWriter& writer) {
        writer.add({1, 999999, 0, nullptr});
        writer.add({2, 1000000, 0, nullptr});
      },
      &capped);
  EXPECT_EQ(text, "999999\n0\n999999\n0\n");
  EXPECT_EQ(capped, 1);
}

TEST(ResultsWriter, WritesLongUncoveredStretchesWhole) {
  const std::string text = written([](ResultsWriter& writer) { writer.add_uncovered(5000); });
  ASSERT_EQ(text.size(), 5000u * 4);
  EXPECT_EQ(text.find_first_not_of("0\n"), std::string::npos);
}

}  // namespace
}  // namespace vesmar
