// A job's worker thread and the hand-over of its result.
#include "core/job.h"

namespace tilesmith {

Job::Job(Work work)
    : thread_([this, work = std::move(work)] {
          JobThreadScope scope(progress_);
          try {
              commit_ = work(progress_);
          } catch (...) {
              error_ = std::current_exception();
          }
          done_.store(true);
      }) {}

Job::~Job() {
    progress_.cancel();
    if (thread_.joinable()) thread_.join();
}

Job::Commit Job::result() {
    if (thread_.joinable()) thread_.join();
    if (error_) std::rethrow_exception(error_);
    if (progress_.cancelled()) throw Cancelled();
    return commit_;
}

}  // namespace tilesmith
