// The PNG codec alone, for png_vs_pil.sh: `png_run open FILE` reads a PNG
// into a package, `png_run save FILE OUT` reads it and writes it again; each
// prints the seconds its own step took, so that the script can set them beside
// PIL's and measure the whole process' memory.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/png.h"

int main(int argc, char** argv) {
    using namespace tilesmith;
    using Clock = std::chrono::steady_clock;
    const bool save = argc == 4 && std::strcmp(argv[1], "save") == 0;
    if (!save && !(argc == 3 && std::strcmp(argv[1], "open") == 0)) {
        std::fprintf(stderr, "usage: png_run open FILE | png_run save FILE OUT\n");
        return 2;
    }
    try {
        Package package;
        CountingProgress progress;
        auto start = Clock::now();
        open_png(argv[2], package, progress);
        if (save) {
            start = Clock::now();
            save_png(argv[3], package, progress);
        }
        std::printf("%.3f\n", std::chrono::duration<double>(Clock::now() - start).count());
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
