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
      std::vector<std::size_t> started;
      std::vector<std::atomic<int>> runs(count);
      const Status done = run_ordered_tasks(
          count, threads, [&](std::size_t i) { started.push_back(i); },
          [&](std::size_t i) -> Status {
            ++runs[i];
            return {};
          });
      EXPECT_TRUE(done.ok());
      ASSERT_EQ(started.size(), count) << count << " tasks, " << threads << " threads";
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
    std::string expected;
  };
  const Case cases[] = {
      {{3}, 1, "task 3"},
      {{3, 5}, 1, "task 3"},
      {{5, 3}, 2, "task 3"},
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 2, "task 0"},
      {{9}, 4, "task 9"},
  };
  for (const Case& c : cases) {
    std::vector<std::size_t> started;
    const Status done = run_ordered_tasks(
        10, c.threads, [&](std::size_t i) { started.push_back(i); },
        [&](std::size_t i) -> Status {
          for (std::size_t failing : c.failing) {
            if (i == failing) return Failure{"task " + std::to_string(i)};
          }
          return {};
        });
    ASSERT_FALSE(done.ok()) << c.expected;
    EXPECT_EQ(done.failure().message, c.expected);
    // Only the tasks already running beside the failed one may have been
    // taken after it.
    const std::size_t first_failing = std::stoul(c.expected.substr(5));
    EXPECT_LE(started.size(), first_failing + static_cast<std::size_t>(c.threads)) << c.expected;
  }
}

}  // namespace
}  // namespace vesmar
