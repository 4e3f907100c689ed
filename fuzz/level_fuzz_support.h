// Shared by the level fuzz targets: the check that a refused file leaves the
// package unchanged.
#pragma once
#include <cstdint>
#include <cstdlib>

#include "core/checked.h"
#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "fuzz_support.h"

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

}  // namespace tilesmith
