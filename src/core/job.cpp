// A job's work on the job lane and the hand-over of its result.
#include "core/job.h"

#include "core/pool.h"

namespace tilesmith {

Job::Job(Work work) {
    WorkerPool::shared().start_job([this, work = std::move(work)]() mutable {
        {
            JobThreadScope scope(progress_);
            try {
                commit_ = work(progress_);
            } catch (...) {
                error_ = std::current_exception();
            }
        }
        // What the work holds goes before the job may.
        work = nullptr;
        const std::lock_guard lock(mutex_);
        done_.store(true);
        ended_.notify_all();
    });
}

Job::~Job() {
    progress_.cancel();
    wait();
}

void Job::wait() {
    std::unique_lock lock(mutex_);
    ended_.wait(lock, [this] { return done_.load(); });
}

Job::Commit Job::result() {
    wait();
    if (error_) std::rethrow_exception(error_);
    if (progress_.cancelled()) throw Cancelled();
    return commit_;
}

}  // namespace tilesmith
