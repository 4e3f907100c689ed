// Whole-buffer zlib streams of level blocks, and the two blocks run side by side.
#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <thread>

#include "core/error.h"
#include "formats/deflate_blocks.h"
#include "support/level_builder.h"

using namespace tilesmith;

namespace {

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DeflateBlocks, InflateWholeTakesOnlyWholeStreamsOfExactlyTheSize) {
    const Bytes block = tr4_block32(1, 4);
    const Bytes stream = zlib_compress(block, 9);
    Bytes bad_check = stream, dictionary = stream;
    bad_check.back() ^= 1;
    dictionary[1] = 0xBB;  // 0x78BB: the preset-dictionary flag, header check kept
    const struct {
        const char* name;
        Bytes in;
        std::size_t out_size;
        bool whole;
    } cases[] = {
        {"exact", stream, block.size(), true},
        {"stored", zlib_compress(block, 0), block.size(), true},
        {"junk after the stream", concat(stream, pseudo_random_bytes(999, 2)), block.size(), true},
        {"stream ends early", stream, block.size() + 1, false},
        {"stream holds more", stream, block.size() - 1, false},
        {"cut inside the trailer", Bytes(stream.begin(), stream.end() - 1), block.size(), false},
        {"cut in half", Bytes(stream.begin(), stream.begin() + long(stream.size() / 2)), block.size(), false},
        {"nothing", {}, block.size(), false},
        {"wrong check sum", bad_check, block.size(), false},
        {"preset dictionary", dictionary, block.size(), false},
        {"garbage", pseudo_random_bytes(5000, 3), block.size(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes out(c.out_size);
        ASSERT_EQ(inflate_whole(c.in.data(), c.in.size(), out.data(), out.size()), c.whole);
        if (c.whole) {
            EXPECT_EQ(out, block);
        }
    }
}

TEST(DeflateBlocks, DeflateWholeMakesStandardZlibStreams) {
    const Bytes inputs[] = {{}, {7}, Bytes(100000, 0), tr4_block32(2, 6), tr4_block16(3, 6),
                            pseudo_random_bytes(70000, 5)};
    for (const Bytes& in : inputs) {
        SCOPED_TRACE(in.size());
        const Bytes stream = deflate_whole(in.data(), in.size());
        ASSERT_GE(stream.size(), 6u);
        EXPECT_EQ(stream[0], 0x78);  // deflate, 32 KiB window
        EXPECT_EQ(stream[1], 0xDA);  // maximum compression, no preset dictionary
        EXPECT_EQ(zlib_inflate(stream.data(), stream.size()), in);
    }
}

TEST(DeflateBlocks, SideBySideRunsBothAndRethrowsEitherFailure) {
    std::atomic<int> here_runs = 0, there_runs = 0;
    std::thread::id there_thread;
    run_side_by_side([&] { ++here_runs; }, [&] { ++there_runs; there_thread = std::this_thread::get_id(); });
    EXPECT_EQ(here_runs, 1);
    EXPECT_EQ(there_runs, 1);
    EXPECT_NE(there_thread, std::this_thread::get_id());

    // A failure on the other thread comes back here with its text, after this
    // thread's part is done.
    here_runs = there_runs = 0;
    try {
        run_side_by_side([&] { ++here_runs; }, [&] { throw Error("ZLib error: there"); });
        ADD_FAILURE() << "no failure came back";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "ZLib error: there");
    }
    EXPECT_EQ(here_runs, 1);

    // A failure on this thread leaves only once the other thread has ended: the
    // other part must not outlive what it works on.
    std::atomic<bool> release = false, there_ended = false;
    try {
        run_side_by_side(
            [&] {
                release = true;
                throw Error("here");
            },
            [&] {
                while (!release) std::this_thread::yield();
                there_ended = true;
            });
        ADD_FAILURE() << "no failure came back";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "here");
        EXPECT_TRUE(there_ended);
    }
}

}  // namespace
