// The worker pool: work beside the caller's, on another thread, both ended
// before the call returns, and their errors handed back.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "core/pool.h"

using namespace tilesmith;

namespace {

TEST(WorkerPool, RunsWorkBesideTheCallerAndWaitsForBoth) {
    WorkerPool pool(1);
    std::atomic<bool> beside_started{false};
    std::thread::id beside_thread;
    bool here_saw_beside = false;
    pool.run_beside(
        [&] {
            beside_thread = std::this_thread::get_id();
            beside_started = true;
        },
        [&] {
            // Only another thread can end this wait.
            while (!beside_started) std::this_thread::yield();
            here_saw_beside = true;
        });
    EXPECT_TRUE(here_saw_beside);
    EXPECT_NE(beside_thread, std::this_thread::get_id());
}

TEST(WorkerPool, HandsBackTheCallersErrorFirstThenTheOthers) {
    WorkerPool pool(1);
    bool here_ran = false;
    EXPECT_THROW(pool.run_beside([] { throw std::runtime_error("beside"); }, [&] { here_ran = true; }),
                 std::runtime_error);
    EXPECT_TRUE(here_ran) << "the caller's work runs whatever happens beside it";
    try {
        pool.run_beside([] { throw std::runtime_error("beside"); }, [] { throw std::logic_error("here"); });
        ADD_FAILURE();
    } catch (const std::logic_error&) {
    }
    EXPECT_GE(WorkerPool::shared().thread_count(), 1u);
}

}  // namespace
