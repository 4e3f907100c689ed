// A job on its worker: its shared progress, and a stop that comes before or
// after the work's point of no return.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/job.h"

using namespace tilesmith;

namespace {

// Work that reaches `passes` points of no return, says so, then waits for the
// test and takes one more step.
Job::Work held_work(bool passes, std::atomic<bool>& reached, std::atomic<bool>& go, bool& committed) {
    return [passes, &reached, &go, &committed](Progress& progress) -> Job::Commit {
        progress.reset(2);
        progress.step();
        if (passes) point_of_no_return();
        reached = true;
        while (!go) std::this_thread::yield();
        progress.step();
        return [&committed] { committed = true; };
    };
}

TEST(Job, AStopBeforeThePointOfNoReturnDropsTheWorkAndAfterItKeepsIt) {
    for (const bool passes : {false, true}) {
        SCOPED_TRACE(passes);
        std::atomic<bool> reached{false}, go{false};
        bool committed = false;
        Job job(held_work(passes, reached, go, committed));
        while (!reached) std::this_thread::yield();
        EXPECT_EQ(job.progress().position(), 1);
        EXPECT_EQ(job.progress().maximum(), 2);
        EXPECT_EQ(job.cancel(), !passes) << "a stop is refused once past the point";
        go = true;
        if (passes) {
            job.result()();
            EXPECT_TRUE(committed);
            EXPECT_EQ(job.progress().position(), 2);
        } else {
            EXPECT_THROW(job.result(), Cancelled);
            EXPECT_FALSE(committed);
        }
        EXPECT_TRUE(job.done());
    }
}

TEST(Job, TheWorksErrorComesBackWithItsResult) {
    Job job([](Progress&) -> Job::Commit { throw std::runtime_error("broken"); });
    EXPECT_THROW(job.result(), std::runtime_error);
}

}  // namespace
