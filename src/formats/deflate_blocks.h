// Whole-buffer zlib streams of the level texture blocks, and running the two blocks at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/progress.h"

namespace tilesmith {

// Decodes the zlib stream at `in` into exactly `out_size` bytes at `out`, in one
// call; bytes after the end of the stream are ignored. False when it cannot: the
// stream is damaged, needs more than `in_size` bytes, or holds any other number of
// bytes. `out` then holds anything, and the caller decodes the block its own way.
// libdeflate also takes a few codes that no compressor writes and zlib refuses
// (distance codes 30 and 31, for one): a stream built to use them, with the right
// check sum, decodes here where zlib would answer "error".
bool inflate_whole(const std::uint8_t* in, std::size_t in_size, std::uint8_t* out,
                   std::size_t out_size);

// The zlib stream of the `size` bytes at `data`: header 0x78 0xDA, 32 KiB window,
// no preset dictionary; no larger than zlib's level 9 makes of typical level textures.
// Throws std::bad_alloc when the memory cannot be had.
std::vector<std::uint8_t> deflate_whole(const std::uint8_t* data, std::size_t size);

// The same stream made in a fraction of the time, a few percent larger.
std::vector<std::uint8_t> deflate_quick(const std::uint8_t* data, std::size_t size);

// A quick stream made in two parts: the first `head` bytes compressed at once,
// while the bytes after them may still change, and the rest by finish(). The
// bytes of the head must not change in between.
class SplitDeflate {
public:
    SplitDeflate(const std::uint8_t* data, std::size_t head);
    // The whole zlib stream of the `size` bytes at `data`.
    std::vector<std::uint8_t> finish(const std::uint8_t* data, std::size_t size);

private:
    std::size_t head_;
    std::vector<std::uint8_t> stream_;
};

// Runs each of `works` on the program's pool, this thread making some too,
// and waits for them all, stepping `progress` for each, in order. A stop or a
// failure begins no other work and comes back once the works begun have
// ended: none runs on when this returns.
void run_on_pool(const std::vector<std::function<void()>>& works, Progress& progress);

}  // namespace tilesmith
