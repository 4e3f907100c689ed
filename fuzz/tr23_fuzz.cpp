// Fuzz target: Tomb Raider 2/3 levels in both page modes, and walked to their
// texture references. No cap is needed:
// the reader refuses a page count whose 8-bit pages the file does not hold.
#include "level_fuzz_support.h"
#include "formats/tr23.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile file(".tr2");
    file.write(data, size);
    const std::string& path = file.path();
    for (const bool as_8bit : {false, true})
        fuzz_read([&](Package& p, Progress& g) { open_tr23(path, p, as_8bit, !as_8bit, g); });
    fuzz_walks(path, kTr23Versions);
    return 0;
}
