// Fuzz target: Tomb Raider 4/5 levels, read and walked to their texture references.
#include <vector>

#include "level_fuzz_support.h"
#include "formats/level_format.h"
#include "formats/tr45.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    std::vector<std::uint8_t> bytes(data, data + size);
    // The 32-bit block's unpacked size: a deflate stream expands at most 1032 times.
    if (std::int64_t(size) >= kTr45SizesOffset + 4) {
        std::uint8_t* unpacked = &bytes[std::size_t(kTr45SizesOffset)];
        write_u32le(unpacked, std::uint32_t(cap_announced_bytes(read_i32le(unpacked), size, 1032)));
    }
    static const ScratchFile file(".tr4");
    file.write(bytes.data(), bytes.size());
    const std::string& path = file.path();
    fuzz_read([&](Package& p, Progress& g) { open_tr45(path, p, size % 2 == 0, g); });
    fuzz_walks(path, kTr45Versions);
    return 0;
}
