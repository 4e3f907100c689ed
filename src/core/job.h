// A job: long work on a thread of the pool's job lane that touches nothing the window shows.
// It reports through a SharedProgress, stops at its check points when asked,
// and hands back either a commit - what the window's thread alone then does to
// the model - or its error.
#pragma once
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

#include "core/progress.h"

namespace tilesmith {

class Job {
public:
    using Commit = std::function<void()>;
    // Runs on the worker: reads, decodes, computes or writes, and returns
    // what commits its result. It may throw; Cancelled when it was stopped.
    using Work = std::function<Commit(Progress&)>;

    // Starts `work` on a thread of the job lane at once.
    explicit Job(Work work);
    // Asks the work to stop and waits for its end.
    ~Job();
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;

    // The work has ended, one way or the other.
    bool done() const { return done_.load(); }
    const SharedProgress& progress() const { return progress_; }
    // Asks the work to stop; false when it is past its point of no return.
    bool cancel() { return progress_.cancel(); }
    // Waits for the end of the work; then the commit, or the work's error
    // rethrown, or Cancelled when it was asked to stop in time (its result,
    // should it have ended all the same, is dropped).
    Commit result();

private:
    void wait();

    SharedProgress progress_;
    std::mutex mutex_;
    std::condition_variable ended_;
    std::atomic<bool> done_{false};
    Commit commit_;
    std::exception_ptr error_;
};

}  // namespace tilesmith
