// Fuzz target of the TGA reader: any bytes as a .tga file; an accepted file
// must also survive a save and read back unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/checked.h"
#include "core/error.h"
#include "opentga/tga.h"

namespace {

// Files in memory-backed /dev/shm when there is one: the writer syncs its file.
std::string scratch(const char* suffix) {
    std::error_code ec;
    const std::filesystem::path dir =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    return (dir / ("tilesmith_tga_fuzz_" + std::to_string(::getpid()) + suffix)).string();
}

const std::string& input_path() {
    static const std::string path = scratch(".tga");
    return path;
}
const std::string& output_path() {
    static const std::string path = scratch("_out.tga");
    return path;
}
void remove_files() {
    std::remove(input_path().c_str());
    std::remove(output_path().c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const bool registered = (std::atexit(remove_files), true);
    (void)registered;
    // Announced sizes up to the reader's limit are legal but take seconds to
    // fill; leave them out so the fuzzer keeps its pace. Larger ones still run:
    // the reader must refuse them.
    if (size >= 16) {
        const std::int64_t pixels = std::int64_t(data[12] | data[13] << 8) * (data[14] | data[15] << 8);
        if (pixels > (1 << 18) && pixels <= kMaxPackagePixels) return 0;
    }
    std::FILE* f = std::fopen(input_path().c_str(), "wb");
    if (!f) return 0;
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);

    Package package(64, 64);
    CountingProgress progress;
    try {
        if (open_tga(input_path(), package, progress).refused()) return 0;
        save_tga(output_path(), package, progress);
        Package back;
        open_tga(output_path(), back, progress);
        if (!(back == package)) std::abort();
    } catch (const Error&) {
    }
    return 0;
}
