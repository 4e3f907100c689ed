// Fuzz target of the TGA reader: any bytes as a .tga file; an accepted file
// must also survive a save and read back unchanged.
#include <cstdint>
#include <cstdlib>

#include "core/checked.h"
#include "core/error.h"
#include "fuzz_support.h"
#include "formats/tga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile input(".tga"), output(".tga");
    // Announced sizes up to the reader's limit are legal but take seconds to
    // fill; leave them out so the fuzzer keeps its pace. Larger ones still run:
    // the reader must refuse them.
    if (size >= 16) {
        const std::int64_t pixels = std::int64_t(data[12] | data[13] << 8) * (data[14] | data[15] << 8);
        if (pixels > (1 << 18) && pixels <= kMaxPackagePixels) return 0;
    }
    input.write(data, size);

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
