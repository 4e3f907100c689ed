// Fuzz target: Tomb Raider 4/5 levels.
#include "level_fuzz_support.h"
#include "formats/tr45.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    if (size >= 14) {
        const std::int64_t unpacked = read_i32le(data + 10);
        if (unpacked > kFuzzPaceBytes && unpacked <= kMaxBufferBytes) return 0;
    }
    static const ScratchFile file(".tr4");
    file.write(data, size);
    const std::string& path = file.path();
    fuzz_read([&](Package& p, Progress& g) { open_tr45(path, p, size % 2 == 0, g); });
    return 0;
}
