// The two level blocks compressed side by side: failures come back, nothing outlives its data.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/error.h"
#include "formats/deflate_blocks.h"

using namespace tilesmith;

namespace {

TEST(SideBySide, RunsBothAndRethrowsEitherFailureOnceBothEnded) {
    std::thread::id there_thread;
    int here_runs = 0;
    run_side_by_side([&] { ++here_runs; }, [&] { there_thread = std::this_thread::get_id(); });
    EXPECT_EQ(here_runs, 1);
    EXPECT_NE(there_thread, std::thread::id());
    EXPECT_NE(there_thread, std::this_thread::get_id());

    // The other thread's failure comes back here with its text.
    try {
        run_side_by_side([&] { ++here_runs; }, [] { throw Error(Msg::CannotReadFile, "there"); });
        ADD_FAILURE() << "the failure was lost";
    } catch (const Error& e) {
        EXPECT_EQ(e.text(Language::English), Error(Msg::CannotReadFile, "there").what());
    }
    EXPECT_EQ(here_runs, 2);

    // This thread's failure leaves only once the other thread has ended.
    std::atomic<bool> released = false, there_ended = false;
    EXPECT_THROW(run_side_by_side(
                     [&] {
                         released = true;
                         throw Error(Msg::CannotReadFile, "here");
                     },
                     [&] {
                         while (!released) std::this_thread::yield();
                         there_ended = true;
                     }),
                 Error);
    EXPECT_TRUE(there_ended);
}

}  // namespace
