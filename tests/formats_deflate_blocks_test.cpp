// The two level blocks compressed on threads of their own: failures come back, a stop does not wait.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "core/error.h"
#include "core/progress.h"
#include "formats/deflate_blocks.h"

using namespace tilesmith;

namespace {

TEST(OnThreads, RunsEachElsewhereStepsForEachAndRethrowsAFailure) {
    CountingProgress progress;
    progress.reset(10);
    std::atomic<int> runs = 0;
    const auto work = [&] { ++runs; };
    std::thread::id there;
    run_on_threads({work, [&] { there = std::this_thread::get_id(); }}, progress);
    EXPECT_EQ(runs, 1);
    EXPECT_NE(there, std::this_thread::get_id());
    EXPECT_EQ(progress.position(), 2);
    try {
        run_on_threads({work, [] { throw Error(Msg::CannotReadFile, "there"); }}, progress);
        ADD_FAILURE() << "the failure was lost";
    } catch (const Error& e) {
        EXPECT_EQ(e.text(Language::English), Error(Msg::CannotReadFile, "there").what());
    }
}

TEST(OnThreads, AStopReturnsAtOnceAndLeavesTheWorkToEnd) {
    struct Stopped : Progress {
        void reset(int) override {}
        void step() override {}
        bool cancelled() const override { return true; }
    } stopped;
    const auto release = std::make_shared<std::atomic<bool>>(false);
    const auto ended = std::make_shared<std::atomic<bool>>(false);
    EXPECT_THROW(run_on_threads({[release, ended] {
                                     while (!*release) std::this_thread::yield();
                                     *ended = true;
                                 }},
                                stopped),
                 Cancelled);
    EXPECT_FALSE(*ended);
    *release = true;
    while (!*ended) std::this_thread::yield();
}

}  // namespace
