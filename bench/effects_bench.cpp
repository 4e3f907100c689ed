// Speed of the effect routines: one tile each, and a whole 2048 x 8192
// package processed tile by tile.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "effects/routines.h"

using namespace tilesmith;

namespace {

using Call = std::function<void(Package&, int, int, Progress&)>;

const std::vector<std::pair<std::string, Call>>& routines() {
    static const std::vector<std::pair<std::string, Call>> all = {
        {"invert_colors", invert_colors},
        {"gray_scale", gray_scale},
        {"black_white", black_white},
        {"reduce_colors", [](Package& p, int x, int y, Progress& g) { reduce_colors(p, x, y, 32, g); }},
        {"adjust_gamma", [](Package& p, int x, int y, Progress& g) { adjust_gamma(p, x, y, 25, g); }},
        {"swap_channels", [](Package& p, int x, int y, Progress& g) { swap_channels(p, x, y, 3, 1, 2, g); }},
        {"average_color", average_color},
        {"sharpen_channel", [](Package& p, int x, int y, Progress& g) { sharpen_channel(p, x, y, 1, 32, g); }},
        {"blur", blur},
        {"pixelate", pixelate},
        {"rotate90", rotate90},
        {"flip", [](Package& p, int x, int y, Progress& g) { flip(p, x, y, 0, g); }},
        {"diaphragm", [](Package& p, int x, int y, Progress& g) { diaphragm(p, x, y, 0, kBlack, g); }},
        {"button3d", [](Package& p, int x, int y, Progress& g) { button3d(p, x, y, 0, g); }},
    };
    return all;
}

Package noise(int w, int h) {
    Package p(w, h);
    std::mt19937 rng(1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.set_pixel(x, y, rng() % 16 == 0 ? kTransparent : rng() & 0xFFFFFF);
    return p;
}

// One tile in the middle of a 256 x 512 package, as the window runs it.
void one_tile(benchmark::State& state, const Call& call) {
    Package p = noise(256, 512);
    CountingProgress progress;
    for (auto _ : state) {
        call(p, 128, 192, progress);
        benchmark::DoNotOptimize(p.bits());
    }
}

// Every tile of a 2048 x 8192 package (4096 tiles).
void whole_package(benchmark::State& state, const Call& call) {
    Package p = noise(2048, 8192);
    CountingProgress progress;
    for (auto _ : state) {
        for (int y = 0; y < p.height(); y += 64)
            for (int x = 0; x < p.width(); x += 64) call(p, x, y, progress);
        benchmark::DoNotOptimize(p.bits());
    }
}

// Off the grid and half past the edge: the pixel-by-pixel path.
void edge_tile(benchmark::State& state, const Call& call) {
    Package p = noise(256, 512);
    CountingProgress progress;
    for (auto _ : state) {
        call(p, 224, 480, progress);
        benchmark::DoNotOptimize(p.bits());
    }
}

const bool registered = [] {
    for (const auto& [name, call] : routines()) {
        benchmark::RegisterBenchmark(("tile/" + name).c_str(), one_tile, call);
        benchmark::RegisterBenchmark(("edge_tile/" + name).c_str(), edge_tile, call);
        benchmark::RegisterBenchmark(("package_2048x8192/" + name).c_str(), whole_package, call)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
