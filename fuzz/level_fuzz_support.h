// Shared by the level fuzz targets: the check that a refused file leaves the
// package unchanged, and the texture walks of a format's versions.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/checked.h"
#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"
#include "fuzz_support.h"
#include "model/texture_use.h"

namespace tilesmith {

// Runs `read` on a small marked package: it either loads 256 pixels wide or
// throws Error with the package untouched. Anything else aborts.
template <typename Read>
void fuzz_read(Read read) {
    Package package(64, 64, kBlack);
    package.set_pixel(1, 2, kWhite);
    const Package before = package.clone();
    CountingProgress progress;
    try {
        read(package, progress);
        if (package.width() != 256 || progress.position() != progress.maximum()) std::abort();
    } catch (const Error&) {
        if (!(package == before)) std::abort();
    }
}

// Walks the file with the texture walk of each version: it either gives the
// references, which place on a package of two pages, or throws Error.
// Anything else aborts (through the fuzzer's own crash report).
inline void fuzz_walks(const std::string& path, std::span<const LevelVersion* const> versions) {
    for (const LevelVersion* version : versions) {
        if (!version->walk_textures) continue;
        try {
            InFile in(path);
            const TextureUse use(version->walk_textures(in), 2);
            if (use.used_pixels(0) < 0) std::abort();
        } catch (const Error&) {
        }
    }
}

}  // namespace tilesmith
