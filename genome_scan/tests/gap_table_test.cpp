#include "genome_scan/gap_table.h"

#include <gtest/gtest.h>

namespace vesmar {
namespace {

TEST(GapTable, StartsEmpty) {
  GapTable table;
  EXPECT_EQ(table.size(), 0u);
  EXPECT_TRUE(table.empty());
}

TEST(GapTable, KeepsEveryEntryInOrderAcrossBlocks) {
  GapTable table;
  const std::size_t count = 2 * GapTable::kBlockEntries + 3;
  for (std::size_t i = 0; i < count; ++i) {
    table.append(GapEntry{static_cast<std::int32_t>(i), static_cast<std::int32_t>(i % 7),
                          static_cast<GapComment>(i % 4)});
  }
  ASSERT_EQ(table.size(), count);
  for (std::size_t i : {std::size_t{0}, GapTable::kBlockEntries - 1, GapTable::kBlockEntries,
                        GapTable::kBlockEntries + 1, count - 1}) {
    EXPECT_EQ(table[i], (GapEntry{static_cast<std::int32_t>(i), static_cast<std::int32_t>(i % 7),
                                  static_cast<GapComment>(i % 4)}))
        << i;
  }
}

TEST(GapTable, GapStartIsTheFirstUncoveredPosition) {
  EXPECT_EQ(gap_start(GapEntry{1008, 3, GapComment::None}), 1006);
  // An insertion entry starts at the second of its two mutant positions.
  EXPECT_EQ(gap_start(GapEntry{41, 0, GapComment::Insertion}), 42);
  // No overflow at the ends of the range.
  EXPECT_EQ(gap_start(GapEntry{INT32_MAX, 0, GapComment::Insertion}), std::int64_t{INT32_MAX} + 1);
  EXPECT_EQ(gap_start(GapEntry{INT32_MIN, INT32_MAX, GapComment::None}),
            std::int64_t{INT32_MIN} - INT32_MAX + 1);
}

}  // namespace
}  // namespace vesmar
