// The pool's threads take the work queued for them in turn; callers help with
// their own pieces while they wait, and take back what no thread began.
#include "core/pool.h"

#include <exception>
#include <new>
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
            break;  // the threads made so far serve; none at all: callers make every piece
        }
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_all();
    job_wake_.notify_all();
    for (std::thread& t : threads_) t.join();
    for (std::thread& t : job_threads_) t.join();
}

void WorkerPool::serve() {
    while (true) {
        Entry entry;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
            if (queue_.empty()) return;
            entry = std::move(queue_.front());
            queue_.pop_front();
            --entry.group->queued;
            ++entry.group->running;
        }
        entry.work();  // catches what it throws
        entry.work = nullptr;
        {
            const std::lock_guard lock(mutex_);
            --entry.group->running;
        }
        // The group may be gone from here on; the pool is not.
        group_ended_.notify_all();
    }
}

int WorkerPool::post(Group& group, const std::function<void()>& work, int copies) {
    if (threads_.empty()) return 0;
    int posted = 0;
    {
        const std::lock_guard lock(mutex_);
        try {
            for (; posted < copies; ++posted) queue_.push_back({&group, work});
        } catch (const std::bad_alloc&) {
            // Fewer helpers: the caller makes the rest.
        }
        group.queued += posted;
    }
    if (posted == 1) wake_.notify_one();
    else if (posted > 1) wake_.notify_all();
    return posted;
}

bool WorkerPool::take_back(Group& group) {
    const std::lock_guard lock(mutex_);
    if (group.queued == 0) return false;
    std::erase_if(queue_, [&](const Entry& e) { return e.group == &group; });
    group.queued = 0;
    return true;
}

void WorkerPool::wait_for(Group& group) {
    std::unique_lock lock(mutex_);
    group_ended_.wait(lock, [&] { return group.running == 0; });
}

void WorkerPool::run_beside(const std::function<void()>& beside, const std::function<void()>& here) {
    std::exception_ptr beside_error, here_error;
    const std::function<void()> run = [&] {
        ++running_;
        try {
            beside();
        } catch (...) {
            beside_error = std::current_exception();
        }
        --running_;
    };
    Group group;
    const bool posted = post(group, run, 1) == 1;
    try {
        here();
    } catch (...) {
        here_error = std::current_exception();
    }
    if (!posted || take_back(group)) run();
    else wait_for(group);
    if (here_error) std::rethrow_exception(here_error);
    if (beside_error) std::rethrow_exception(beside_error);
}

// The state of one run_in_order, shared by its caller and the threads helping it.
struct WorkerPool::Batch {
    Batch(Progress& progress_, const std::function<void(std::size_t)>& make_, std::size_t count_, std::size_t ahead_,
          unsigned makers_, std::atomic<int>& running_)
        : progress(progress_), make(make_), count(count_), ahead(ahead_), makers(makers_), running(running_),
          made(count_, 0) {}

    Progress& progress;
    const std::function<void(std::size_t)>& make;
    const std::size_t count, ahead;
    const unsigned makers;
    std::atomic<int>& running;

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<char> made;  // by index
    std::size_t next = 0, taken = 0;
    unsigned making = 0;
    int helpers = 0;  // queued or running
    bool stopping = false;
    std::exception_ptr error;

    bool claimable() const { return !stopping && next < count && next < taken + ahead && making < makers; }
    // How many more pieces could be begun now.
    std::size_t open() const {
        if (!claimable()) return 0;
        return std::min(std::min(count, taken + ahead) - next, std::size_t(makers - making));
    }
    void fail(std::exception_ptr e) {
        if (!error) error = e;
        stopping = true;
    }
    // Claims the next piece and makes it, unlocked meanwhile.
    void make_next(std::unique_lock<std::mutex>& lock) {
        const std::size_t i = next++;
        ++making;
        lock.unlock();
        std::exception_ptr e;
        ++running;
        try {
            progress.check();
            make(i);
        } catch (...) {
            e = std::current_exception();
        }
        --running;
        lock.lock();
        --making;
        if (e) fail(e);
        else made[i] = 1;
        changed.notify_all();
    }
};

void WorkerPool::run_pieces(Progress& progress, std::size_t count, std::size_t ahead, unsigned makers,
                            const std::function<void(std::size_t)>& make,
                            const std::function<void(std::size_t)>& take) {
    if (makers == 0) makers = thread_count() + 1;
    Batch batch(progress, make, count, ahead, makers, running_);
    Group group;
    // A helper makes pieces while any can be begun, then leaves its thread to others.
    const std::function<void()> help = [&batch] {
        std::unique_lock lock(batch.mutex);
        while (batch.claimable()) batch.make_next(lock);
        --batch.helpers;
    };
    std::unique_lock lock(batch.mutex);
    for (std::size_t i = 0; i < count && !batch.stopping; ++i) {
        const int wanted = int(std::min<std::size_t>(batch.open(), thread_count())) - batch.helpers;
        if (wanted > 0) {
            batch.helpers += wanted;
            lock.unlock();
            const int posted = post(group, help, wanted);
            lock.lock();
            batch.helpers -= wanted - posted;
        }
        while (!batch.made[i] && !batch.stopping) {
            if (batch.claimable()) batch.make_next(lock);
            else batch.changed.wait(lock);
        }
        if (batch.stopping) break;
        lock.unlock();
        std::exception_ptr e;
        try {
            take(i);
        } catch (...) {
            e = std::current_exception();
        }
        lock.lock();
        if (e) batch.fail(e);
        batch.taken = i + 1;
    }
    batch.stopping = true;
    lock.unlock();
    take_back(group);
    wait_for(group);
    if (batch.error) std::rethrow_exception(batch.error);
}

void WorkerPool::start_job(std::function<void()> work) {
    std::unique_lock lock(mutex_);
    jobs_.push_back(std::move(work));
    if (jobs_.size() <= idle_job_threads_) {
        lock.unlock();
        job_wake_.notify_one();
        return;
    }
    try {
        job_threads_.emplace_back([this] { serve_jobs(); });
    } catch (const std::system_error&) {
        std::function<void()> here = std::move(jobs_.back());
        jobs_.pop_back();
        lock.unlock();
        here();
    }
}

void WorkerPool::serve_jobs() {
    std::unique_lock lock(mutex_);
    while (true) {
        ++idle_job_threads_;
        job_wake_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
        --idle_job_threads_;
        if (jobs_.empty()) return;
        std::function<void()> work = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        work();  // catches what it throws
        work = nullptr;
        lock.lock();
    }
}

void LatestWork::post(std::function<void()> work) {
    {
        const std::lock_guard lock(mutex_);
        next_ = std::move(work);
        if (running_) return;
        running_ = true;
    }
    pool_.start_job([this] { drain(); });
}

void LatestWork::drain() {
    while (true) {
        std::function<void()> work;
        {
            const std::lock_guard lock(mutex_);
            if (!next_) {
                running_ = false;
                idle_.notify_all();
                return;
            }
            work.swap(next_);
        }
        work();
    }
}

void LatestWork::wait() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !running_; });
}

}  // namespace tilesmith
