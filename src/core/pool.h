// The program's threads: made here and nowhere else, once, and joined when
// the program ends; never detached. Two kinds: the pool's threads, which run
// the pieces of work that callers hand out and wait for, and the job lane,
// one thread for each job running at the time (kept for the next job once
// idle), so that a long job never holds a thread that pieces wait for.
//
// A caller that waits for its pieces makes pieces itself meanwhile, and takes
// back what no thread has begun: nothing waits for a thread that is busy,
// whether all of them are, or the caller is one of them.
#pragma once
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <vector>

#include "core/progress.h"

namespace tilesmith {

class WorkerPool {
public:
    // The program's pool: one thread fewer than the cores, at least one.
    static WorkerPool& shared();

    explicit WorkerPool(unsigned threads);
    // Runs the jobs handed out, then joins every thread.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Runs `beside` on a thread of the pool while `here` runs on the calling
    // thread, and returns when both have ended; then rethrows what `here`
    // threw, else what `beside` threw. When no thread of the pool has begun
    // `beside` by the end of `here`, the calling thread runs it itself.
    void run_beside(const std::function<void()>& beside, const std::function<void()>& here);

    // Makes the pieces 0 .. count - 1 of a job, `make(i, progress)`, on the
    // pool's threads and on the calling thread, and hands each piece's result
    // to `take(i, result)` (`take(i)` when `make` returns nothing) on the
    // calling thread, in index order. At most `ahead` pieces are begun and not
    // yet taken; at most `makers` are made at once (0: as many as there are
    // threads). With one maker the pieces are made one after another in index
    // order, each seeing what the one before left, as a stream is read.
    // `progress` is asked before each piece. The first exception of a make or
    // a take (Cancelled from `progress` among them) begins no other piece and
    // is rethrown once every piece begun has ended: when this returns, by an
    // exception or not, no piece of it runs on any thread.
    template <class Make, class Take>
    void run_in_order(Progress& progress, std::size_t count, std::size_t ahead, Make&& make, Take&& take,
                      unsigned makers = 0);

    // Runs `work`, which throws nothing, on a thread of the job lane at once:
    // an idle one, else a new one. When no thread can be made, `work` runs
    // here before this returns.
    void start_job(std::function<void()> work);

    // The threads that make pieces, not counting callers.
    unsigned thread_count() const { return unsigned(threads_.size()); }
    // The pieces and works beside being run now, on any thread.
    int running_pieces() const { return running_.load(); }

private:
    // What one call handed to the threads: how much of it waits in the queue
    // and how much a thread is running. Guarded by mutex_.
    struct Group {
        int queued = 0, running = 0;
    };
    struct Entry {
        Group* group;
        std::function<void()> work;
    };
    struct Batch;

    void run_pieces(Progress& progress, std::size_t count, std::size_t ahead, unsigned makers,
                    const std::function<void(std::size_t)>& make, const std::function<void(std::size_t)>& take);
    // Queues `copies` runs of `work`; how many could be queued.
    int post(Group& group, const std::function<void()>& work, int copies);
    // Takes out of the queue what of `group` no thread has begun; whether there was any.
    bool take_back(Group& group);
    // Waits until no thread runs anything of `group`.
    void wait_for(Group& group);
    void serve();
    void serve_jobs();

    std::mutex mutex_;
    std::condition_variable wake_, group_ended_, job_wake_;
    std::deque<Entry> queue_;
    std::deque<std::function<void()>> jobs_;
    unsigned idle_job_threads_ = 0;
    bool ending_ = false;
    std::atomic<int> running_{0};
    std::vector<std::thread> threads_, job_threads_;
};

// Work of which only the latest matters, such as a state written whenever it
// changes: run on the job lane one at a time, in the order posted; a work
// posted while another runs replaces the one still waiting, if any.
class LatestWork {
public:
    explicit LatestWork(WorkerPool& pool = WorkerPool::shared()) : pool_(pool) {}
    // Waits for the work posted.
    ~LatestWork() { wait(); }
    LatestWork(const LatestWork&) = delete;
    LatestWork& operator=(const LatestWork&) = delete;

    // `work` throws nothing.
    void post(std::function<void()> work);
    // Returns once no work posted runs or waits.
    void wait();

private:
    void drain();
    WorkerPool& pool_;
    std::mutex mutex_;
    std::condition_variable idle_;
    std::function<void()> next_;
    bool running_ = false;
};

template <class Make, class Take>
void WorkerPool::run_in_order(Progress& progress, std::size_t count, std::size_t ahead, Make&& make, Take&& take,
                              unsigned makers) {
    using Result = std::invoke_result_t<Make&, std::size_t, Progress&>;
    ahead = std::max<std::size_t>(ahead, 1);
    if constexpr (std::is_void_v<Result>) {
        run_pieces(
            progress, count, ahead, makers, [&](std::size_t i) { make(i, progress); }, [&](std::size_t i) { take(i); });
    } else {
        // Piece i is begun only once piece i - ahead is taken, so its place is free.
        std::vector<std::optional<Result>> made(std::min(ahead, count));
        run_pieces(
            progress, count, ahead, makers, [&](std::size_t i) { made[i % made.size()].emplace(make(i, progress)); },
            [&](std::size_t i) {
                std::optional<Result>& place = made[i % made.size()];
                Result result = std::move(*place);
                place.reset();
                take(i, std::move(result));
            });
    }
}

}  // namespace tilesmith
