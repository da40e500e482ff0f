#pragma once

#include <cstddef>
#include <functional>

#include "engine/failure.h"

namespace vesmar {

// The cores this process may run on (its affinity mask, which a batch
// scheduler or taskset narrows), at least 1.
int usable_cores();

// Runs task(0) to task(count - 1) on up to `threads` threads, the calling
// thread among them, and returns when every started task has ended. Tasks
// are taken in index order, and start(i), when given, runs, one call at a
// time, as task i is taken, so that what it prints comes in order. Once a
// task fails, no later one is taken; the failure returned is that of the
// lowest index that failed, the one that running the tasks one after another
// would return.
Status run_ordered_tasks(std::size_t count, int threads, const std::function<Status(std::size_t)>& task,
                         const std::function<void(std::size_t)>& start = {});

}  // namespace vesmar
