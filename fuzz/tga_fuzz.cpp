// Fuzz target of the TGA reader: any bytes as a .tga file; an accepted file
// must also survive a save and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "fuzz_support.h"
#include "formats/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile input(".tga"), output(".tga");
    std::vector<std::uint8_t> bytes(data, data + size);
    // Uncompressed: at most one byte (a palette index) for three of pixels.
    if (size >= 16) {
        std::int64_t w = read_u16le(&bytes[12]), h = read_u16le(&bytes[14]);
        cap_announced_picture(w, h, size, 3);
        write_u16le(&bytes[12], std::uint16_t(w));
        write_u16le(&bytes[14], std::uint16_t(h));
    }
    input.write(bytes.data(), bytes.size());

    Package package(64, 64);
    CountingProgress progress;
    try {
        if (open_tga(input.path(), package, progress).refused()) return 0;
        save_tga(output.path(), package, progress);
        Package back;
        open_tga(output.path(), back, progress);
        if (!(back == package)) std::abort();
    } catch (const Error&) {
    }
    return 0;
}
