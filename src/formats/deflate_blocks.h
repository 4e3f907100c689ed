// Whole-buffer zlib streams of the level texture blocks, and running the two blocks at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

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

// Runs `there` on another thread while `here` runs on this one, and returns once
// both have ended (both on this thread, one after the other, when no thread can be
// had). An exception from either is rethrown here, `here`'s first, always after
// `there` has ended, so that `there` never outlives what it works on.
void run_side_by_side(const std::function<void()>& here, const std::function<void()>& there);

}  // namespace tilesmith
