// The worker pool: work beside the caller's, on another thread, both ended
// before the call returns, and their errors handed back; pieces made on the
// pool and by the caller, taken in order, and stopped by the first failure.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

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

TEST(WorkerPool, TakesEveryPieceInOrderWithNoMoreThanAheadBegunAndNotTaken) {
    struct Case {
        unsigned threads;
        std::size_t ahead;
        unsigned makers;
    };
    for (const Case c : {Case{3, 4, 0}, Case{3, 4, 1}, Case{1, 1, 0}}) {
        SCOPED_TRACE(c.makers);
        WorkerPool pool(c.threads);
        CountingProgress progress;
        std::atomic<std::size_t> taken{0};
        std::atomic<int> making{0}, last_made{-1};
        pool.run_in_order(
            progress, 40, c.ahead,
            [&](std::size_t i, Progress&) {
                EXPECT_LT(i, taken + c.ahead);
                const int now = ++making;
                if (c.makers == 1) {
                    EXPECT_EQ(now, 1);
                    EXPECT_EQ(last_made.exchange(int(i)), int(i) - 1);
                }
                std::this_thread::yield();
                --making;
                return i * i;
            },
            [&](std::size_t i, std::size_t square) {
                EXPECT_EQ(square, i * i);
                EXPECT_EQ(i, taken++) << "out of order";
            },
            c.makers);
        EXPECT_EQ(taken, 40u);
    }
}

TEST(WorkerPool, TheFirstFailureBeginsNoOtherPieceAndComesBackOnceEveryPieceHasEnded) {
    enum class Fails { make, take, stop };
    for (const Fails fails : {Fails::make, Fails::take, Fails::stop}) {
        SCOPED_TRACE(int(fails));
        WorkerPool pool(2);
        SharedProgress progress;
        constexpr std::size_t kAhead = 8;
        std::atomic<std::size_t> begun{0}, ended{0};
        const auto run = [&] {
            pool.run_in_order(
                progress, 100, kAhead,
                [&](std::size_t i, Progress&) {
                    ++begun;
                    for (int n = 0; n < 100; ++n) std::this_thread::yield();
                    ++ended;
                    if (fails == Fails::make && i == 3) throw std::runtime_error("make");
                },
                [&](std::size_t i) {
                    if (fails == Fails::take && i == 3) throw std::runtime_error("take");
                    if (fails == Fails::stop && i == 3) progress.cancel();
                });
        };
        if (fails == Fails::stop) EXPECT_THROW(run(), Cancelled);
        else EXPECT_THROW(run(), std::runtime_error);
        EXPECT_EQ(pool.running_pieces(), 0);
        EXPECT_EQ(ended, begun) << "a piece was left running";
        EXPECT_LE(begun, 4 + kAhead);
    }
}

TEST(WorkerPool, ACallerOnThePoolsOnlyThreadMakesItsPiecesItself) {
    WorkerPool pool(1);
    std::atomic<bool> inside{false};
    std::thread::id pool_thread;
    std::vector<std::size_t> order;
    bool elsewhere = false, beside_ran = false;
    pool.run_beside(
        [&] {
            pool_thread = std::this_thread::get_id();
            inside = true;
            CountingProgress progress;
            pool.run_in_order(
                progress, 6, 2,
                [&](std::size_t i, Progress&) {
                    elsewhere = elsewhere || std::this_thread::get_id() != pool_thread;
                    return i;
                },
                [&](std::size_t, std::size_t i) { order.push_back(i); });
            pool.run_beside([&] { beside_ran = true; }, [] {});
        },
        [&] {
            while (!inside) std::this_thread::yield();
        });
    EXPECT_EQ(order, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(elsewhere);
    EXPECT_TRUE(beside_ran);
}

TEST(LatestWork, RunsWhatIsPostedOneAtATimeAndOnlyTheLatestOfWhatWaits) {
    WorkerPool pool(1);
    std::vector<int> ran;
    std::atomic<bool> started{false}, gate{false};
    {
        LatestWork latest(pool);
        latest.post([&] {
            started = true;
            while (!gate) std::this_thread::yield();
            ran.push_back(0);
        });
        while (!started) std::this_thread::yield();
        latest.post([&] { ran.push_back(1); });
        latest.post([&] { ran.push_back(2); });
        gate = true;
        latest.wait();
        EXPECT_EQ(ran, (std::vector<int>{0, 2}));
        latest.post([&] { ran.push_back(3); });
    }
    EXPECT_EQ(ran.back(), 3) << "the end waits for what was posted";
}

}  // namespace
