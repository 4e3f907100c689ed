// Fuzz target: compacting a level's textures. The bytes are written as a level
// of the kind their first bytes name, compacted into a second file, and a
// copy that was written must read and walk again; a refused level writes nothing.
#include <string>
#include <vector>

#include "level_fuzz_support.h"
#include "formats/level_compact.h"
#include "formats/level_file.h"

namespace {

// The extension that takes the kind the first bytes name (Tomb Raider 5 shares
// the fourth game's mark; the size's parity chooses between them).
const char* extension_for(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 4) return ".phd";
    if (bytes[0] == 'T' && bytes[1] == 'R' && bytes[2] == '4') return bytes.size() % 2 ? ".trc" : ".tr4";
    if (bytes[0] == 0x20) return ".phd";
    return ".tr2";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    std::vector<std::uint8_t> bytes(data, data + size);
    // The 32-bit block's unpacked size: a deflate stream expands at most 1032 times.
    constexpr std::size_t kSizes = 10;
    if (size >= kSizes + 4 && bytes[0] == 'T') {
        std::uint8_t* unpacked = &bytes[kSizes];
        write_u32le(unpacked, std::uint32_t(cap_announced_bytes(read_i32le(unpacked), size, 1032)));
    }
    const char* extension = extension_for(bytes);
    static const ScratchFile phd(".phd"), tr2(".tr2"), tr4(".tr4"), trc(".trc"), out(".out");
    const ScratchFile& file = extension == std::string(".phd")   ? phd
                              : extension == std::string(".tr2") ? tr2
                              : extension == std::string(".tr4") ? tr4
                                                                 : trc;
    file.write(bytes.data(), bytes.size());
    const std::string copy = out.path() + extension;
    std::remove(copy.c_str());
    CountingProgress progress;
    try {
        const CompactionSummary summary = compact_level(file.path(), copy, progress);
        if (summary.pages_after > summary.pages_before || summary.pages_after < 0) std::abort();
        const LevelFile again = read_level_file(copy, {}, progress);
        if (!again.walked()) std::abort();
    } catch (const Error&) {
        if (std::FILE* left = std::fopen(copy.c_str(), "rb")) {
            std::fclose(left);
            std::abort();  // a refusal leaves no copy behind
        }
    }
    std::remove(copy.c_str());
    return 0;
}
