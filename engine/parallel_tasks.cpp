#include "engine/parallel_tasks.h"

#include <sched.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vesmar {

int usable_cores() {
  cpu_set_t cores;
  CPU_ZERO(&cores);
  if (sched_getaffinity(0, sizeof(cores), &cores) != 0) return 1;
  return CPU_COUNT(&cores) > 0 ? CPU_COUNT(&cores) : 1;
}

Status run_ordered_tasks(std::size_t count, int threads, const std::function<Status(std::size_t)>& task,
                         const std::function<void(std::size_t)>& start) {
  std::mutex lock;
  std::size_t next = 0;
  std::optional<std::size_t> failed_index;
  Status failure;
  auto work = [&] {
    for (;;) {
      std::size_t index = 0;
      {
        const std::lock_guard<std::mutex> guard(lock);
        if (next == count || failed_index) return;
        index = next++;
        if (start) start(index);
      }
      Status done = task(index);
      if (done.ok()) continue;
      const std::lock_guard<std::mutex> guard(lock);
      if (!failed_index || index < *failed_index) {
        failed_index = index;
        failure = std::move(done);
      }
    }
  };
  const std::size_t helpers = std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), count);
  std::vector<std::thread> running;
  for (std::size_t i = 1; i < helpers; ++i) running.emplace_back(work);
  work();
  for (std::thread& thread : running) thread.join();
  return failure;
}

}  // namespace vesmar
