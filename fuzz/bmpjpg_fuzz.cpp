// Fuzz target of the BMP and JPEG readers: bytes starting like a JPEG go in as
// a .jpg file, the rest as a .bmp file. What reads must survive a BMP round trip.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/checked.h"
#include "core/error.h"
#include "fuzz_support.h"
#include "formats/bmpjpg.h"

namespace {

std::int64_t read_le(const std::uint8_t* p, int bytes) {
    std::int64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

// The picture size a header announces, as far as a quick look can tell; 0 if unknown.
std::int64_t announced_pixels(const std::uint8_t* d, std::size_t n, bool jpeg) {
    if (jpeg) {
        for (std::size_t i = 2; i + 9 < n; ++i)
            if (d[i] == 0xFF && d[i + 1] >= 0xC0 && d[i + 1] <= 0xCF && d[i + 1] != 0xC4 && d[i + 1] != 0xC8 &&
                d[i + 1] != 0xCC)
                return std::int64_t(d[i + 5] << 8 | d[i + 6]) * (d[i + 7] << 8 | d[i + 8]);
        return 0;
    }
    if (n < 26) return 0;
    if (read_le(d + 14, 4) == 12) return read_le(d + 18, 2) * read_le(d + 20, 2);
    const std::int64_t w = std::int32_t(read_le(d + 18, 4)), h = std::int32_t(read_le(d + 22, 4));
    return std::abs(w) * std::abs(h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile bmp(".bmp"), jpg(".jpg"), output(".bmp");
    const bool jpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    // Legal but slow sizes are left out to keep the pace; larger ones must be refused.
    const std::int64_t pixels = announced_pixels(data, size, jpeg);
    if (pixels > (1 << 18) && pixels <= kMaxPackagePixels) return 0;
    const ScratchFile& input = jpeg ? jpg : bmp;
    input.write(data, size);
    const std::string& path = input.path();

    Package package(64, 64);
    CountingProgress progress;
    try {
        open_bmpjpg(path, package, progress);
        save_bmp(output.path(), package, progress);
        Package back;
        open_bmpjpg(output.path(), back, progress);
        if (!(back == package)) std::abort();
    } catch (const Error&) {
    }
    return 0;
}
