// Speed of compacting a level against opening it: a walkable Tomb Raider 4
// level of 64 pages, 2000 rooms and 4000 object textures, each page holding
// the tile its textures map. Goal: BM_CompactTr4WithObjects <= 2 x
// BM_OpenTr4WithObjects (the window's open: the pages and the whole walk).
// Run with --benchmark_repetitions and compare medians: the machine is shared.
#include <benchmark/benchmark.h>

#include <string>

#include "core/progress.h"
#include "formats/level_compact.h"
#include "formats/level_file.h"
#include "support/level_builder.h"
#include "support/test_files.h"

namespace {

constexpr int kPages = 64;

struct Level {
    tilesmith::TempDir dir;
    std::string path, output;
    Level() {
        tilesmith::LevelSpec wanted{tilesmith::Game::tr4, kPages, 2000};
        wanted.object_textures = 4000;
        path = dir.put("objects.tr4", tilesmith::make_level(wanted).bytes);
        output = dir.file("compacted.tr4");
    }
};

Level& level() {
    static Level instance;
    return instance;
}

void BM_OpenTr4WithObjects(benchmark::State& state) {
    level();  // built before the clock starts
    tilesmith::CountingProgress progress;
    for (auto _ : state) {
        const tilesmith::LevelFile read = tilesmith::read_level_file(level().path, {}, progress);
        if (!read.walked()) state.SkipWithError("the level did not walk");
        benchmark::DoNotOptimize(read.package.bits());
    }
}
BENCHMARK(BM_OpenTr4WithObjects)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command: the walk, the plan, the rebuilt blocks and the file written.
void BM_CompactTr4WithObjects(benchmark::State& state) {
    level();
    tilesmith::CountingProgress progress;
    int after = 0;
    for (auto _ : state) after = tilesmith::compact_level(level().path, level().output, progress).pages_after;
    state.counters["pages_after"] = after;
}
BENCHMARK(BM_CompactTr4WithObjects)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
