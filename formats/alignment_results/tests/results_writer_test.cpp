#include "formats/alignment_results/results_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/program_run.h"

namespace vesmar {
namespace {

// What a writer writes for `write(writer)`, and its summary.
template <class Write>
std::string written(Write&& write, AlignmentResultsSummary* summary = nullptr) {
  testing::ScratchFolder folder;
  Result<std::unique_ptr<OutputFile>> file = OutputFile::create(folder.path("out.txt"), OutputFile::Mode::Replace);
  EXPECT_TRUE(file.ok());
  AlignmentResultsWriter writer(*file.value());
  write(writer);
  EXPECT_TRUE(file.value()->commit().ok());
  if (summary != nullptr) *summary = writer.summary();
  return folder.read("out.txt");
}

TEST(AlignmentResultsWriter, KeepsCountLinesToSixCharactersForTheGapScanner) {
  AlignmentResultsSummary summary;
  const std::string text = written(
      [](AlignmentResultsWriter& writer) {
        writer.add(1, 999999, "r", "f");
        writer.add(2, 1000000, "read", "refe");
        writer.add(0, 0, {}, {});
      },
      &summary);
  EXPECT_EQ(text, "1\n999999\nr\nf\n2\n999999\nread\nrefe\n0\n0\n");
  EXPECT_EQ(summary.capped_positions, 1);
  EXPECT_EQ(summary.positions, 3);
  EXPECT_EQ(summary.lines, 10);
  EXPECT_EQ(summary.bytes, static_cast<std::int64_t>(text.size()));
  EXPECT_EQ(summary.records_with_windows, 2);
  EXPECT_EQ(summary.uncovered_positions, 1);
}

TEST(AlignmentResultsWriter, WritesLongUncoveredStretchesWhole) {
  AlignmentResultsSummary summary;
  const std::string text = written(
      [](AlignmentResultsWriter& writer) {
        writer.add_uncovered(5000);
        writer.add_uncovered_until(5002);
      },
      &summary);
  ASSERT_EQ(text.size(), 5002u * 4);
  EXPECT_EQ(text.find_first_not_of("0\n"), std::string::npos);
  EXPECT_EQ(summary.uncovered_positions, 5002);
  EXPECT_EQ(summary.bytes, 5002 * 4);
}

}  // namespace
}  // namespace vesmar
