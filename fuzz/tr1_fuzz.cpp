// Fuzz target: Tomb Raider 1 levels, read and, once read, exported into
// themselves; and walked to their texture references.
#include "level_fuzz_support.h"
#include "formats/tr1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tilesmith;
    static const ScratchFile file(".phd");
    static const ScratchFile output(".phd");
    file.write(data, size);
    const std::string& path = file.path();
    Package read;
    bool was_read = false;
    fuzz_read([&](Package& p, Progress& g) {
        open_tr1(path, p, size % 2 == 0, g);
        read = p.clone();
        was_read = true;
    });
    // A level that reads is a base its own package fits, and the copy keeps its length.
    if (was_read) {
        CountingProgress progress;
        if (ex_tr1(output.path(), path, read, progress) != ExportResult::written) std::abort();
        if (std::int64_t(InFile(output.path()).size()) != std::int64_t(size)) std::abort();
    }
    fuzz_walks(path, kTr1Format.versions);
    return 0;
}
