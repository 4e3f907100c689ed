// The progress shared between a job's threads and the window's thread.
#include "core/progress.h"

namespace tilesmith {

namespace {
thread_local SharedProgress* job_progress = nullptr;
}  // namespace

void SharedProgress::reset(int maximum) {
    check();
    position_.store(0);
    maximum_.store(maximum > 0 ? maximum : 1);
}

void SharedProgress::step() {
    check();
    int p = position_.load();
    while (p < maximum_.load() && !position_.compare_exchange_weak(p, p + 1)) {
    }
}

bool SharedProgress::cancel() {
    State expected = State::running;
    return state_.compare_exchange_strong(expected, State::cancelled) || expected == State::cancelled;
}

void SharedProgress::pass_point_of_no_return() {
    State expected = State::running;
    if (!state_.compare_exchange_strong(expected, State::committed) && expected == State::cancelled)
        throw Cancelled();
}

JobThreadScope::JobThreadScope(SharedProgress& progress) : previous_(job_progress) { job_progress = &progress; }
JobThreadScope::~JobThreadScope() { job_progress = previous_; }

void point_of_no_return() {
    if (job_progress) job_progress->pass_point_of_no_return();
}

}  // namespace tilesmith
