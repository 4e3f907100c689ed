// Fuzz target of the PNG reader: the header's size is capped and every chunk's
// checksum made right, so that the fuzzer reaches the pixels instead of
// stopping at the checksums. What reads must survive a PNG round trip.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/error.h"
#include "formats/png.h"
#include "fuzz_support.h"

namespace {

using tilesmith::cap_announced_picture;

// Deflate expands its bytes at most about a thousand times.
constexpr std::int64_t kExpansion = 1032;

std::uint32_t be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
void put_be32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (24 - 8 * i));
}

std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

void fix(std::vector<std::uint8_t>& d) {
    if (d.size() >= 24 && std::string(d.begin() + 12, d.begin() + 16) == "IHDR") {
        std::int64_t w = be32(&d[16]), h = be32(&d[20]);
        cap_announced_picture(w, h, d.size(), kExpansion);
        put_be32(&d[16], std::uint32_t(w));
        put_be32(&d[20], std::uint32_t(h));
    }
    for (std::size_t at = 8; at + 12 <= d.size();) {
        const std::size_t length = be32(&d[at]);
        if (length > d.size() - at - 12) break;
        put_be32(&d[at + 8 + length], crc32(&d[at + 4], length + 4));
        at += length + 12;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile input(".png"), output(".png");
    std::vector<std::uint8_t> bytes(data, data + size);
    fix(bytes);
    input.write(bytes.data(), bytes.size());
    Package package(64, 64);
    CountingProgress progress;
    try {
        open_png(input.path(), package, progress);
        save_png(output.path(), package, progress);
        Package back;
        open_png(output.path(), back, progress);
        if (!(back == package)) std::abort();
    } catch (const Error&) {
    }
    return 0;
}
