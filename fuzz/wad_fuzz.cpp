// Fuzz target: object packages.
#include <vector>

#include "level_fuzz_support.h"
#include "formats/level_format.h"
#include "formats/wad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    std::vector<std::uint8_t> bytes(data, data + size);
    // The texture map's size follows the records; the map is stored uncompressed.
    if (std::int64_t(size) >= kWadRecordsOffset) {
        const std::int64_t records = read_i32le(&bytes[std::size_t(kWadRecordCountOffset)]);
        const std::int64_t at = kWadRecordsOffset + kWadRecordBytes * records;
        if (records >= 0 && at + 4 <= std::int64_t(size))
            write_u32le(&bytes[std::size_t(at)],
                        std::uint32_t(cap_announced_bytes(read_i32le(&bytes[std::size_t(at)]), size, 1)));
    }
    static const ScratchFile file(".wad");
    file.write(bytes.data(), bytes.size());
    const std::string& path = file.path();
    fuzz_read([&](Package& p, Progress& g) { open_wad(path, p, g); });
    return 0;
}
