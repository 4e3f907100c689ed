// Speed of the effect routines: one tile each, and a whole 2048 x 8192
// package processed tile by tile.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "effects/effect_registry.h"

using namespace tilesmith;

namespace {

using Call = BoundEffect;

// Every effect of the registry with the parameters of its first menu item.
const std::vector<std::pair<std::string, Call>>& routines() {
    static const std::vector<std::pair<std::string, Call>> all = [] {
        std::vector<std::pair<std::string, Call>> list;
        for (const Effect& e : effect_registry())
            list.emplace_back(e.name, parse_effect(item_call(e, e.items.front(), kBlack)).run);
        return list;
    }();
    return all;
}

Package noise(int w, int h) {
    Package p(w, h);
    std::mt19937 rng(1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.set_pixel(x, y, rng() % 16 == 0 ? kTransparent : rng() & 0xFFFFFF);
    return p;
}

// One tile of a 256 x 512 package at (x, y): in the middle, as the window
// runs it, or off the grid and half past the edge, the pixel-by-pixel path.
void one_tile(benchmark::State& state, const Call& call, int x, int y) {
    Package p = noise(256, 512);
    CountingProgress progress;
    for (auto _ : state) {
        call(p, x, y, progress);
        benchmark::DoNotOptimize(p.bits());
    }
}

// A 2048 x 8192 package (4096 tiles) selected whole, worked on as one picture.
void whole_package(benchmark::State& state, const Call& call) {
    Package p = noise(2048, 8192);
    CountingProgress progress;
    for (auto _ : state) {
        call(p, EffectArea{0, 0, p.width(), p.height()}, progress);
        benchmark::DoNotOptimize(p.bits());
    }
}

const bool registered = [] {
    for (const auto& [name, call] : routines()) {
        benchmark::RegisterBenchmark(("tile/" + name).c_str(), one_tile, call, 128, 192);
        benchmark::RegisterBenchmark(("edge_tile/" + name).c_str(), one_tile, call, 224, 480);
        benchmark::RegisterBenchmark(("package_2048x8192/" + name).c_str(), whole_package, call)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
