// Speed of the Tomb Raider 1 reader and export (nearest palette colour) on a 16-page level.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/tr1.h"
#include "support/level_builder.h"
#include "support/test_files.h"

namespace {

constexpr int kPages = 16;

struct Level {
    tilesmith::TempDir dir;
    std::string path = dir.put("level.phd", tilesmith::make_tr1(kPages).bytes);
    std::string output = dir.file("out.phd");
    tilesmith::Package read, full_colour;
    Level() {
        tilesmith::CountingProgress progress;
        tilesmith::open_tr1(path, read, true, progress);
        // Every pixel a colour of its own: the worst case of the colour cache.
        full_colour = read.clone();
        for (int y = 0; y < full_colour.height(); ++y)
            for (int x = 0; x < 256; ++x) {
                const std::uint32_t n = std::uint32_t(y) * 256 + std::uint32_t(x);
                full_colour.set_pixel(x, y, tilesmith::pack_rgb(std::uint8_t(n), std::uint8_t(n >> 8),
                                                                 std::uint8_t(n >> 16)));
            }
    }
};

Level& level() {
    static Level l;
    return l;
}

void BM_OpenTr1(benchmark::State& state) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state) {
        tilesmith::Package package;
        tilesmith::open_tr1(l.path, package, true, progress);
        benchmark::DoNotOptimize(package.bits());
    }
}
BENCHMARK(BM_OpenTr1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Export of a package: one read from the level, whose 256 colours come back
// from the cache, or one of a colour at each pixel.
void BM_ExportTr1(benchmark::State& state, tilesmith::Package Level::*package) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state)
        if (tilesmith::ex_tr1(l.output, l.path, l.*package, progress) != tilesmith::ExportResult::written)
            state.SkipWithError("export refused");
}
BENCHMARK_CAPTURE(BM_ExportTr1, ReadBack, &Level::read)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportTr1, FullColour, &Level::full_colour)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
