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

// Runs each of `works` on a thread of its own (on this one, in turn, when no
// thread can be had) and waits for them all, stepping `progress` as each ends
// and asking it a few times a second whether to stop. A stop throws Cancelled
// at once, without waiting: the works run on to their ends unheeded, so each
// must own all it touches and must not touch `progress`. An exception from a
// work is rethrown here once all have ended.
void run_on_threads(const std::vector<std::function<void()>>& works, Progress& progress);

}  // namespace tilesmith
