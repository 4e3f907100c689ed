// Whole-buffer zlib streams of the level texture blocks through libdeflate.
#include "formats/deflate_blocks.h"

#include <libdeflate.h>

#include <memory>
#include <new>

#include "core/error.h"
#include "core/pool.h"
#include "formats/deflate_pieces.h"

namespace tilesmith {

namespace {

// libdeflate's level 7: the fastest of its levels whose streams are no larger than
// zlib's level 9 on level textures. Measured on 32-bit and 16-bit blocks of 64 pages
// of gradient, brick, noise and holed tiles, and of 16 pages cut from each of two
// photographs: level 7 is 0.02 % to 11.6 % smaller than zlib 9 on every block but
// the 16-bit words of the smoother photograph (0.35 % larger), in 0.11 to 0.47 of
// zlib's level-9 time. Level 6 is up to 3.9 % larger (the 16-bit words of gradients
// and noise, the smoother photograph); 8 and 9 take 0.4 to 0.8 of zlib's time and
// are 0.9 % larger on the 16-bit words of gradients and noise; 10 to 12 are 3 to
// 12 % smaller everywhere but take as long as zlib's level 9 or longer.
constexpr int kLevel = 7;
// libdeflate's level 1, for a copy whose wait matters more than its size: on
// the compacted blocks of the 64-page benchmark level it takes 0.7 of level
// 2's time, which took 0.3 to 0.6 of level 7's for streams 2 to 6 % larger.
constexpr int kQuickLevel = 1;

struct FreeCompressor {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
struct FreeDecompressor {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

}  // namespace

bool inflate_whole(const std::uint8_t* in, std::size_t in_size, std::uint8_t* out,
                   std::size_t out_size) {
    const std::unique_ptr<libdeflate_decompressor, FreeDecompressor> decompressor(
        libdeflate_alloc_decompressor());
    if (!decompressor) return false;
    // No count of bytes written is asked for: a stream of fewer bytes than
    // `out_size` fails too, as libdeflate may leave bytes of its own past the end
    // of what it wrote, where the caller needs zeros.
    return libdeflate_zlib_decompress(decompressor.get(), in, in_size, out, out_size, nullptr) ==
           LIBDEFLATE_SUCCESS;
}

namespace {

std::vector<std::uint8_t> deflate_at(int level, const std::uint8_t* data, std::size_t size) {
    const std::unique_ptr<libdeflate_compressor, FreeCompressor> compressor(
        libdeflate_alloc_compressor(level));
    if (!compressor) throw std::bad_alloc();
    std::vector<std::uint8_t> out(libdeflate_zlib_compress_bound(compressor.get(), size));
    const std::size_t written =
        libdeflate_zlib_compress(compressor.get(), data, size, out.data(), out.size());
    // The bound always leaves room; a stream without its header is no stream.
    if (written < 2 || out[0] != 0x78) throw Error(Phrase(Msg::UnknownError));
    // The header's level field only tells how hard the writer tried, and nothing
    // reads it; it says "maximum", as zlib's level 9 does (0x78 0xDA, which keeps
    // the header check: 0x78DA is a multiple of 31).
    out[1] = 0xDA;
    out.resize(written);
    return out;
}

}  // namespace

std::vector<std::uint8_t> deflate_whole(const std::uint8_t* data, std::size_t size) {
    return deflate_at(kLevel, data, size);
}

std::vector<std::uint8_t> deflate_quick(const std::uint8_t* data, std::size_t size) {
    return deflate_at(kQuickLevel, data, size);
}

namespace {

std::unique_ptr<libdeflate_compressor, FreeCompressor> quick_compressor() {
    std::unique_ptr<libdeflate_compressor, FreeCompressor> compressor(libdeflate_alloc_compressor(kQuickLevel));
    if (!compressor) throw std::bad_alloc();
    return compressor;
}

}  // namespace

// The head is a piece of the stream that ends on a byte after an empty stored
// block, as a sync flush does; the rest follows it and ends the stream.
SplitDeflate::SplitDeflate(const std::uint8_t* data, std::size_t head) : head_(head), stream_{0x78, 0xDA} {
    if (head_ > 0) deflate_piece(quick_compressor().get(), data, head_, false, stream_);
}

std::vector<std::uint8_t> SplitDeflate::finish(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out = std::move(stream_);
    deflate_piece(quick_compressor().get(), data + head_, size - head_, true, out);
    const std::uint32_t adler = libdeflate_adler32(1, data, size);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(adler >> shift));
    return out;
}

void run_on_pool(const std::vector<std::function<void()>>& works, Progress& progress) {
    WorkerPool::shared().run_in_order(
        progress, works.size(), works.size(), [&](std::size_t i, Progress&) { works[i](); },
        [&](std::size_t) { progress.step(); });
}

}  // namespace tilesmith
