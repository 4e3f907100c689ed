// Shared by the level fuzz targets: the input as a file with the reader's
// extension, and the check that a refused file leaves the package unchanged.
#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/checked.h"
#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// Announced packages larger than this are legal but take long to fill; the
// targets skip them to keep the fuzzer's pace (larger than the limits still run).
constexpr std::int64_t kFuzzPaceBytes = std::int64_t(64) * 262144;

// One file per process in memory-backed /dev/shm when there is one, rewritten
// for every input, removed at exit.
inline const std::string& fuzz_file(const char* extension) {
    static const std::string path = [extension] {
        const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(dir) + "/tilesmith-fuzz-XXXXXX" + extension;
        const int fd = mkstemps(pattern.data(), int(std::strlen(extension)));
        if (fd < 0) std::abort();
        close(fd);
        static const std::string removed_at_exit = pattern;
        std::atexit([] { unlink(removed_at_exit.c_str()); });
        return pattern;
    }();
    return path;
}

inline void write_fuzz_file(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

// Runs `read` on a small marked package: it either loads 256 pixels wide or
// throws Error with the package untouched. Anything else aborts.
template <typename Read>
void fuzz_read(Read read) {
    Package package(64, 64, kBlack);
    package.set_pixel(1, 2, kWhite);
    const Package before = package;
    CountingProgress progress;
    try {
        read(package, progress);
        if (package.width() != 256 || progress.position() != progress.maximum()) std::abort();
    } catch (const Error&) {
        if (!(package == before)) std::abort();
    }
}

}  // namespace tilesmith
