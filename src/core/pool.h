// The threads that run work beside the thread that asks for it: made once,
// on first use, and joined when the program ends; never detached.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tilesmith {

class WorkerPool {
public:
    // The program's pool: one thread fewer than the cores, at least one.
    static WorkerPool& shared();

    explicit WorkerPool(unsigned threads);
    // Waits for the work handed out, then joins every thread.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Runs `beside` on a thread of the pool while `here` runs on the calling
    // thread, and returns when both have ended; then rethrows what `here`
    // threw, else what `beside` threw. Without a thread of its own (none
    // could be made) the pool runs `beside` first, on the calling thread.
    void run_beside(const std::function<void()>& beside, const std::function<void()>& here);

    unsigned thread_count() const { return unsigned(threads_.size()); }

private:
    void serve();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool ending_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace tilesmith
