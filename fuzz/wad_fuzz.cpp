// Fuzz target: object packages.
#include "level_fuzz_support.h"
#include "formats/wad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    if (size >= 8) {
        const std::int64_t records = read_i32le(data + 4);
        const std::int64_t at = 8 + 8 * records;
        if (records >= 0 && at + 4 <= std::int64_t(size)) {
            const std::int64_t map_bytes = read_i32le(data + at);
            // Pages of 256 x 256 x 3 bytes: the package is as large as the map.
            if (map_bytes > kFuzzPaceBytes && map_bytes <= kMaxBufferBytes) return 0;
        }
    }
    static const ScratchFile file(".wad");
    file.write(data, size);
    const std::string& path = file.path();
    fuzz_read([&](Package& p, Progress& g) { open_wad(path, p, g); });
    return 0;
}
