// Fuzz target: the level data block of Tomb Raider 4 and 5 levels, as it is
// once inflated. The bytes are wrapped in the smallest file of each game (no
// pages, empty texture and sky blocks, no samples; the fourth game's block
// compressed at zlib's level 1, the fifth's as it is), so that mutations
// reach the rooms and the object tables rather than the stream.
#define ZLIB_CONST
#include <zlib.h>

#include <vector>

#include "level_fuzz_support.h"
#include "formats/tr45.h"

namespace {

void put_u32(std::vector<std::uint8_t>& out, std::size_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
}

std::vector<std::uint8_t> compressed(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out(compressBound(uLong(size)));
    uLongf length = uLongf(out.size());
    if (compress2(out.data(), &length, data, uLong(size), 1) != Z_OK) std::abort();
    out.resize(length);
    return out;
}

std::vector<std::uint8_t> wrapped(const std::uint8_t* data, std::size_t size, bool tr5) {
    std::vector<std::uint8_t> out = {'T', 'R', '4', 0, 0, 0, 0, 0, 0, 0};
    const std::vector<std::uint8_t> empty = compressed(nullptr, 0);
    for (int block = 0; block < 3; ++block) {
        put_u32(out, 0);
        put_u32(out, empty.size());
        out.insert(out.end(), empty.begin(), empty.end());
    }
    if (tr5) {
        out.resize(out.size() + 32, 0);
        put_u32(out, size);
        put_u32(out, size);
        out.insert(out.end(), data, data + size);
    } else {
        const std::vector<std::uint8_t> packed = compressed(data, size);
        put_u32(out, size);
        put_u32(out, packed.size());
        out.insert(out.end(), packed.begin(), packed.end());
    }
    put_u32(out, 0);  // samples
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile file(".tr4");
    for (const bool tr5 : {false, true}) {
        const std::vector<std::uint8_t> level = wrapped(data, size, tr5);
        file.write(level.data(), level.size());
        fuzz_level_walks(file.path(), std::span(kTr45Versions).subspan(tr5 ? 1 : 0, 1));
    }
    return 0;
}
