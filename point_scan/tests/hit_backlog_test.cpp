#include "point_scan/hit_backlog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesmar {
namespace {

struct Hit {
  std::int64_t position;
  std::int32_t wt_reads, mut_reads;
  std::string read_window, reference_window;
};

std::vector<Hit> handed_over(HitBacklog& backlog) {
  std::vector<Hit> hits;
  backlog.hand_over([&](const AlignmentRecord& hit) {
    hits.push_back({hit.position, hit.wt_reads, hit.mut_reads, std::string(hit.read_window),
                    std::string(hit.reference_window)});
  });
  return hits;
}

// The windows are copied: the reader's block they came from is reused at
// once, and the backlog's own text moves as it grows.
TEST(HitBacklog, HandsOverEveryHitInOrderWithItsWindows) {
  const std::vector<Hit> hits = {{7, 0, 5, "acgTa", "acgga"}, {9, 2, 3, "", ""}, {12, 1, 4, "tt", "tg"}};
  HitBacklog backlog;
  std::string block;
  for (const Hit& hit : hits) {
    block = hit.read_window + hit.reference_window;
    backlog.keep({hit.position, hit.wt_reads, hit.mut_reads, std::string_view(block).substr(0, hit.read_window.size()),
                  std::string_view(block).substr(hit.read_window.size())});
    block.assign(block.size(), '#');
  }
  const std::vector<Hit> given = handed_over(backlog);
  ASSERT_EQ(given.size(), hits.size());
  for (std::size_t i = 0; i < hits.size(); ++i) {
    EXPECT_EQ(given[i].position, hits[i].position);
    EXPECT_EQ(given[i].wt_reads, hits[i].wt_reads);
    EXPECT_EQ(given[i].mut_reads, hits[i].mut_reads);
    EXPECT_EQ(given[i].read_window, hits[i].read_window);
    EXPECT_EQ(given[i].reference_window, hits[i].reference_window);
  }
  EXPECT_TRUE(handed_over(backlog).empty());  // emptied
}

TEST(HitBacklog, FullAtEitherBound) {
  struct Case {
    std::size_t max_hits, max_window_bytes;
    std::size_t window_size;
    std::size_t hits_until_full;
  };
  for (const Case& c : {Case{3, 1000, 2, 3}, Case{100, 10, 2, 3}, Case{100, 10, 0, 100}, Case{1, 1, 0, 1}}) {
    HitBacklog backlog(c.max_hits, c.max_window_bytes);
    const std::string window(c.window_size, 'a');
    std::size_t kept = 0;
    while (!backlog.full()) {
      backlog.keep({static_cast<std::int64_t>(kept), 0, 1, window, window});
      ++kept;
    }
    EXPECT_EQ(kept, c.hits_until_full) << c.max_hits << " " << c.max_window_bytes;
    EXPECT_EQ(handed_over(backlog).size(), kept);
    EXPECT_FALSE(backlog.full());
  }
}

}  // namespace
}  // namespace vesmar
