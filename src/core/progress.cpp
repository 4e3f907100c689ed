// The progress shared between a job's threads and the window's thread.
#include "core/progress.h"

#include <algorithm>

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

int SharedProgress::permille() const {
    const long long max = maximum_.load(), pos = position_.load();
    const int now = int(std::min(pos, max) * 1000 / std::max(max, 1LL));
    int shown = shown_.load();
    while (now > shown && !shown_.compare_exchange_weak(shown, now)) {
    }
    return std::max(now, shown);
}

void ProgressShare::reset(int maximum) {
    whole_.check();
    position_.store(0);
    maximum_.store(maximum > 0 ? maximum : 1);
}

void ProgressShare::step() {
    const long long max = maximum_.load();
    const long long pos = std::min<long long>(position_.fetch_add(1) + 1, max);
    const int target = from_ + int((to_ - from_) * pos / max);
    // Each step of the whole is taken by one thread only.
    int done = done_.load();
    while (done < target) {
        if (done_.compare_exchange_weak(done, done + 1)) {
            whole_.step();
            ++done;
        }
    }
    whole_.check();
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
