// A piece of long work the model hands the window: `work` runs on a worker
// and touches no shared state; the commit it returns runs on the window's
// thread. The document is held from the moment the task is handed out until
// `release`, which the runner calls on the window's thread when the work has
// ended, however it ended, and before its commit.
#pragma once
#include <functional>

#include "core/job.h"

namespace tilesmith {

struct Task {
    Job::Work work;
    std::function<void()> release;
};

// The work, then the release and the commit, here and now (tests and tools).
void run_here(const Task& task, Progress& progress);

}  // namespace tilesmith
