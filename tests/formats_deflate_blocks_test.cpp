// The two level blocks compressed on the pool: failures come back, a stop waits for the work begun.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/error.h"
#include "core/pool.h"
#include "core/progress.h"
#include "formats/deflate_blocks.h"

using namespace tilesmith;

namespace {

TEST(OnPool, RunsEachStepsForEachAndRethrowsAFailure) {
    CountingProgress progress;
    progress.reset(10);
    std::atomic<int> runs = 0;
    const auto work = [&] { ++runs; };
    run_on_pool({work, work}, progress);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(progress.position(), 2);
    try {
        run_on_pool({work, [] { throw Error(Msg::CannotReadFile, "there"); }}, progress);
        ADD_FAILURE() << "the failure was lost";
    } catch (const Error& e) {
        EXPECT_EQ(e.text(Language::English), Error(Msg::CannotReadFile, "there").what());
    }
}

TEST(OnPool, AStopBeginsNoOtherWorkAndWaitsForThoseBegun) {
    SharedProgress progress;
    std::atomic<unsigned> begun{0}, ended{0};
    // More works than threads to run them: the first stops the rest.
    const unsigned count = WorkerPool::shared().thread_count() + 2;
    const std::vector<std::function<void()>> works(count, [&] {
        if (begun++ == 0) progress.cancel();
        while (!progress.cancelled()) std::this_thread::yield();
        for (int n = 0; n < 1000; ++n) std::this_thread::yield();
        ++ended;
    });
    EXPECT_THROW(run_on_pool(works, progress), Cancelled);
    EXPECT_LT(begun, count);
    EXPECT_EQ(ended, begun);
}

}  // namespace
