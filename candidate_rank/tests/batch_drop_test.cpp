#include <gtest/gtest.h>

#include <vector>

#include "candidate_rank/batch_drop.h"

namespace vesmar {
namespace {

StrainChange change(std::int32_t position, char alt, std::int32_t wt, std::int32_t mut) {
  return StrainChange{position, wt, mut, 'g', alt, true};
}

struct DropCase {
  const char* what;
  std::vector<StrainChange> own;
  std::vector<StrainChange> other;
  std::vector<std::int32_t> kept;  // positions
  DropCounts counts;
};

TEST(BatchDrop, KeepsOnlyTheChangesNoOtherStrainShows) {
  const DropCase cases[] = {
      {"same position and base in another strain", {change(10, 'a', 0, 9)}, {change(10, 'a', 0, 9)}, {}, {1, 1, 0, 0, 0}},
      {"another base at the same position stays", {change(10, 'a', 0, 9)}, {change(10, 't', 0, 9)}, {10}, {1, 0, 0, 0, 1}},
      {"one mutant read elsewhere still counts as seen", {change(10, 'a', 0, 9)}, {change(10, 'A', 30, 1)}, {}, {1, 1, 0, 0, 0}},
      {"too few mutant reads", {change(10, 'a', 5, 1)}, {}, {}, {1, 0, 1, 0, 0}},
      {"too little depth", {change(10, 'a', 0, 2)}, {}, {}, {1, 0, 0, 1, 0}},
      {"the drop comes before the thresholds", {change(10, 'a', 5, 1), change(12, 'a', 0, 5)}, {change(10, 'a', 0, 5)},
       {12}, {2, 1, 0, 0, 1}},
      {"positions apart", {change(10, 'a', 0, 4), change(30, 'c', 3, 4)}, {change(11, 'a', 0, 9), change(29, 'c', 0, 9)},
       {10, 30}, {2, 0, 0, 0, 2}},
  };
  for (const DropCase& c : cases) {
    const std::vector<StrainScan> batch = {{c.own, {}, 100}, {c.other, {}, 100}};
    const OwnFindings own = own_findings(batch, 0, ChangeThresholds{2, 3});
    std::vector<std::int32_t> kept;
    for (const StrainChange& k : own.changes) kept.push_back(k.position);
    EXPECT_EQ(kept, c.kept) << c.what;
    EXPECT_EQ(own.counts.changes_read, c.counts.changes_read) << c.what;
    EXPECT_EQ(own.counts.changes_seen_elsewhere, c.counts.changes_seen_elsewhere) << c.what;
    EXPECT_EQ(own.counts.changes_few_mutant_reads, c.counts.changes_few_mutant_reads) << c.what;
    EXPECT_EQ(own.counts.changes_low_depth, c.counts.changes_low_depth) << c.what;
    EXPECT_EQ(own.counts.changes_kept, c.counts.changes_kept) << c.what;
  }
}

TEST(BatchDrop, DropsTheStretchesAnotherStrainOverlaps) {
  struct Case {
    UncoveredStretch own;
    std::vector<UncoveredStretch> other;
    bool kept;
  };
  const Case cases[] = {
      {{10, 20}, {}, true},
      {{10, 20}, {{21, 30}}, true},
      {{10, 20}, {{20, 30}}, false},
      {{10, 20}, {{1, 10}}, false},
      {{10, 20}, {{12, 13}}, false},
      {{10, 20}, {{1, 9}, {21, 22}}, true},
      {{10, 20}, {{1, 30}}, false},
  };
  for (const Case& c : cases) {
    const std::vector<StrainScan> batch = {{{}, {c.own}, 100}, {{}, c.other, 100}};
    const OwnFindings own = own_findings(batch, 0, ChangeThresholds{});
    EXPECT_EQ(own.stretches.size(), c.kept ? 1u : 0u) << c.own.first << "-" << c.own.last;
    EXPECT_EQ(own.counts.stretches_shared, c.kept ? 0 : 1);
  }
}

TEST(BatchDrop, EveryOtherStrainCounts) {
  const std::vector<StrainScan> batch = {
      {{change(5, 'a', 0, 9), change(6, 'a', 0, 9), change(7, 'a', 0, 9)}, {}, 10},
      {{change(5, 'a', 0, 9)}, {}, 10},
      {{change(7, 'a', 0, 9)}, {}, 10},
  };
  const OwnFindings own = own_findings(batch, 0, ChangeThresholds{});
  ASSERT_EQ(own.changes.size(), 1u);
  EXPECT_EQ(own.changes[0].position, 6);
  EXPECT_EQ(own_findings(batch, 1, ChangeThresholds{}).changes.size(), 0u);
}

}  // namespace
}  // namespace vesmar
