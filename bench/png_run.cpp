// The PNG codec alone, for png_vs_pil.sh: `png_run open FILE` reads a PNG
// into a package, `png_run save FILE OUT` reads it and writes it again; each
// prints the seconds its own step took, so that the script can set them beside
// PIL's and measure the whole process' memory. `png_run stop FILE OUT` asks
// each of the two, running as a job does, to stop half a second in, and prints
// the gauge's position then and how long the stop took to take effect.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "core/error.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/png.h"

int main(int argc, char** argv) {
    using namespace tilesmith;
    using Clock = std::chrono::steady_clock;
    const bool save = argc == 4 && std::strcmp(argv[1], "save") == 0;
    const bool stop = argc == 4 && std::strcmp(argv[1], "stop") == 0;
    if (!save && !stop && !(argc == 3 && std::strcmp(argv[1], "open") == 0)) {
        std::fprintf(stderr, "usage: png_run open FILE | png_run save FILE OUT | png_run stop FILE OUT\n");
        return 2;
    }
    if (stop) {
        Package loaded;
        CountingProgress counting;
        open_png(argv[2], loaded, counting);
        for (const bool saving : {false, true}) {
            SharedProgress progress;
            Clock::time_point stopped;
            std::thread job([&] {
                JobThreadScope scope(progress);
                try {
                    Package package;
                    if (saving) save_png(argv[3], loaded, progress);
                    else open_png(argv[2], package, progress);
                } catch (const Cancelled&) {
                }
                stopped = Clock::now();
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            const int position = progress.position(), maximum = progress.maximum();
            const auto asked = Clock::now();
            progress.cancel();
            job.join();
            std::printf("%s: gauge at %d of %d after 0.5 s; stopped %.3f s after the stop\n", saving ? "save" : "open",
                        position, maximum, std::chrono::duration<double>(stopped - asked).count());
        }
        return 0;
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
