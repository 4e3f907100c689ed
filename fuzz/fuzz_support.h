// Shared by the fuzz targets: a scratch file that holds each input, named with
// the extension its reader expects, in memory-backed /dev/shm when there is one;
// and the cap on the sizes an input may announce.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "core/checked.h"
#include "core/file_platform.h"

namespace tilesmith {

// The most bytes of pixels an input of `size` bytes may make a reader produce:
// a level page at least, and beyond that `expansion` times the input, the most
// the format can expand its stored bytes (1032 for a deflate stream). A legal
// file thus keeps its announced size, a longer input may announce more (the
// fuzzer still reaches large legal sizes), and one run costs a bounded multiple
// of the input's length. Sizes beyond the readers' own limits are never capped:
// those must be refused, and cheaply.
inline std::int64_t fuzz_byte_cap(std::size_t size, std::int64_t expansion) {
    return std::max<std::int64_t>(std::int64_t(256) * 256 * 4, expansion * std::int64_t(size));
}

// Shrinks an announced picture of |width| x |height| (signs kept) to the cap,
// at 3 bytes a pixel: the height first, then the width. Pictures the readers
// must refuse anyway are left as they are.
inline void cap_announced_picture(std::int64_t& width, std::int64_t& height, std::size_t size,
                                  std::int64_t expansion) {
    const std::int64_t w = std::abs(width), h = std::abs(height);
    const std::int64_t cap = fuzz_byte_cap(size, expansion) / 3;
    // Two 32-bit sizes may multiply past 64 bits: such a picture is refused anyway.
    const auto pixels = checked_mul(w, h);
    if (!pixels || *pixels <= cap || *pixels > kMaxPackagePixels) return;
    const std::int64_t new_w = std::min(w, cap), new_h = std::max<std::int64_t>(1, cap / new_w);
    width = width < 0 ? -new_w : new_w;
    height = height < 0 ? -new_h : new_h;
}

// Caps an announced count of bytes of pixels, leaving alone what the readers
// must refuse.
inline std::int64_t cap_announced_bytes(std::int64_t bytes, std::size_t size, std::int64_t expansion) {
    if (bytes < 0 || bytes > kMaxBufferBytes) return bytes;
    return std::min(bytes, fuzz_byte_cap(size, expansion));
}

class ScratchFile {
public:
    explicit ScratchFile(const char* extension) {
        std::error_code ec;
        const std::filesystem::path dir = platform::may_write("/dev/shm", ec)
                                              ? std::filesystem::path("/dev/shm")
                                              : std::filesystem::temp_directory_path();
        std::random_device random;
        do path_ = (dir / ("tilesmith-fuzz-" + std::to_string(random()) + extension)).string();
        while (std::filesystem::exists(path_, ec));
        write(nullptr, 0);
    }
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    // Replaces the file's content with the input.
    void write(const std::uint8_t* data, std::size_t size) const {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) std::abort();
        if (size && std::fwrite(data, 1, size, f) != size) std::abort();
        std::fclose(f);
    }

private:
    std::string path_;
};

}  // namespace tilesmith
