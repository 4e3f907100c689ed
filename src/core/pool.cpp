// The pool's threads take the work queued for them in turn.
#include "core/pool.h"

#include <algorithm>
#include <exception>
#include <system_error>

namespace tilesmith {

WorkerPool& WorkerPool::shared() {
    static WorkerPool pool(std::max(1u, std::thread::hardware_concurrency()) - 1);
    return pool;
}

WorkerPool::WorkerPool(unsigned threads) {
    for (unsigned i = 0; i < std::max(threads, 1u); ++i) {
        try {
            threads_.emplace_back([this] { serve(); });
        } catch (const std::system_error&) {
            break;  // the threads made so far serve; none at all: work runs on the caller
        }
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
}

void WorkerPool::serve() {
    while (true) {
        std::function<void()> work;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
            if (queue_.empty()) return;
            work = std::move(queue_.front());
            queue_.pop_front();
        }
        work();
    }
}

void WorkerPool::run_beside(const std::function<void()>& beside, const std::function<void()>& here) {
    std::exception_ptr beside_error, here_error;
    if (threads_.empty()) {
        try {
            beside();
        } catch (...) {
            beside_error = std::current_exception();
        }
    } else {
        std::mutex done_mutex;
        std::condition_variable done_signal;
        bool done = false;
        {
            const std::lock_guard lock(mutex_);
            queue_.push_back([&] {
                try {
                    beside();
                } catch (...) {
                    beside_error = std::current_exception();
                }
                const std::lock_guard done_lock(done_mutex);
                done = true;
                done_signal.notify_all();
            });
        }
        wake_.notify_one();
        try {
            here();
        } catch (...) {
            here_error = std::current_exception();
        }
        std::unique_lock done_lock(done_mutex);
        done_signal.wait(done_lock, [&] { return done; });
        if (here_error) std::rethrow_exception(here_error);
        if (beside_error) std::rethrow_exception(beside_error);
        return;
    }
    here();
    if (beside_error) std::rethrow_exception(beside_error);
}

}  // namespace tilesmith
