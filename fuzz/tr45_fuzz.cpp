// Fuzz target: Tomb Raider 4/5 levels.
#include "level_fuzz_support.h"
#include "opentga/tr45.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    if (size >= 14) {
        const std::int64_t unpacked = read_i32le(data + 10);
        if (unpacked > kFuzzPaceBytes && unpacked <= kMaxBufferBytes) return 0;
    }
    const std::string& path = fuzz_file(".tr4");
    write_fuzz_file(path, data, size);
    fuzz_read([&](Package& p, Progress& g) { open_tr45(path, p, size % 2 == 0, g); });
    return 0;
}
