#include "engine/parallel_tasks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace vesmar {
namespace {

TEST(ParallelTasks, EveryTaskRunsOnceAndStartsComeInIndexOrder) {
  for (std::size_t count : {0u, 1u, 2u, 7u, 50u}) {
    for (int threads : {0, 1, 2, 8}) {
      SCOPED_TRACE(std::to_string(count) + " tasks, " + std::to_string(threads) + " threads");
      std::vector<std::size_t> started;
      std::vector<std::atomic<int>> runs(count);
      const Status done = run_ordered_tasks(
          count, threads,
          [&](std::size_t i) -> Status {
            ++runs[i];
            return {};
          },
          [&](std::size_t i) { started.push_back(i); });
      EXPECT_TRUE(done.ok());
      ASSERT_EQ(started.size(), count);
      for (std::size_t i = 0; i < count; ++i) {
        EXPECT_EQ(started[i], i);
        EXPECT_EQ(runs[i].load(), 1);
      }
    }
  }
}

TEST(ParallelTasks, TheFailureIsThatOfTheLowestFailedIndexAndNoLaterTaskIsTaken) {
  struct Case {
    std::vector<std::size_t> failing;
    int threads;
    std::size_t first_failing;
  };
  const Case cases[] = {{{3}, 1, 3}, {{3, 5}, 1, 3}, {{5, 3}, 2, 3}, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2, 0}, {{9}, 4, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first_failing);
    std::vector<std::size_t> started;
    const Status done = run_ordered_tasks(
        10, c.threads,
        [&](std::size_t i) -> Status {
          for (std::size_t failing : c.failing) {
            if (i == failing) return Failure{"task " + std::to_string(i)};
          }
          return {};
        },
        [&](std::size_t i) { started.push_back(i); });
    ASSERT_FALSE(done.ok());
    EXPECT_EQ(done.failure().message, "task " + std::to_string(c.first_failing));
    // Only the tasks already running beside the failed one may have been
    // taken after it.
    EXPECT_LE(started.size(), c.first_failing + static_cast<std::size_t>(c.threads));
  }
}

}  // namespace
}  // namespace vesmar
