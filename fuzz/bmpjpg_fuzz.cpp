// Fuzz target of the BMP and JPEG readers: bytes starting like a JPEG go in as
// a .jpg file, the rest as a .bmp file. What reads must survive a BMP round trip.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "fuzz_support.h"
#include "formats/bmpjpg.h"

namespace {

using tilesmith::cap_announced_picture;

// Entropy-coded JPEG blocks and RLE8 runs (255 pixels in 2 bytes) expand their
// bytes a few hundred times; allow as much as deflate.
constexpr std::int64_t kExpansion = 1032;

// Caps the picture size of every frame header (SOFn) the bytes hold.
void cap_jpeg(std::vector<std::uint8_t>& d) {
    for (std::size_t i = 2; i + 9 < d.size(); ++i)
        if (d[i] == 0xFF && d[i + 1] >= 0xC0 && d[i + 1] <= 0xCF && d[i + 1] != 0xC4 && d[i + 1] != 0xC8 &&
            d[i + 1] != 0xCC) {
            std::int64_t h = d[i + 5] << 8 | d[i + 6], w = d[i + 7] << 8 | d[i + 8];
            cap_announced_picture(w, h, d.size(), kExpansion);
            d[i + 5] = std::uint8_t(h >> 8), d[i + 6] = std::uint8_t(h);
            d[i + 7] = std::uint8_t(w >> 8), d[i + 8] = std::uint8_t(w);
        }
}

// Caps the picture size of the info header: 16-bit fields in the OS/2 core
// header, signed 32-bit ones in every other.
void cap_bmp(std::vector<std::uint8_t>& d) {
    if (d.size() < 26) return;
    std::uint8_t* at = d.data() + 18;
    if (tilesmith::read_u32le(d.data() + 14) == 12) {
        std::int64_t w = tilesmith::read_u16le(at), h = tilesmith::read_u16le(at + 2);
        cap_announced_picture(w, h, d.size(), kExpansion);
        tilesmith::write_u16le(at, std::uint16_t(w));
        tilesmith::write_u16le(at + 2, std::uint16_t(h));
        return;
    }
    std::int64_t w = tilesmith::read_i32le(at), h = tilesmith::read_i32le(at + 4);
    cap_announced_picture(w, h, d.size(), kExpansion);
    tilesmith::write_u32le(at, std::uint32_t(w));
    tilesmith::write_u32le(at + 4, std::uint32_t(h));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile bmp(".bmp"), jpg(".jpg"), output(".bmp");
    const bool jpeg = size >= 2 && data[0] == 0xFF && data[1] == 0xD8;
    std::vector<std::uint8_t> bytes(data, data + size);
    if (jpeg) cap_jpeg(bytes);
    else cap_bmp(bytes);
    const ScratchFile& input = jpeg ? jpg : bmp;
    input.write(bytes.data(), bytes.size());
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
