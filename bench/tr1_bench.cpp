// Speed of the Tomb Raider 1 reader and export (nearest palette colour) on a 16-page level.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/package.h"
#include "core/progress.h"
#include "formats/tr1.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kPages = 16;

void put_u32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

// A level with no rooms and no records: pages, the structures' zero counts,
// the light map and a palette of 256 different colours.
Bytes make_level() {
    Bytes out;
    put_u32(out, 0x20);
    put_u32(out, kPages);
    for (int y = 0; y < kPages * 256; ++y)
        for (int x = 0; x < 256; ++x) out.push_back(std::uint8_t((x / 4) ^ (y * 3)));
    put_u32(out, 0);                               // unused
    out.insert(out.end(), 2, 0);                   // rooms
    for (int i = 0; i < 14; ++i) put_u32(out, 0);  // floor data to sprite sequences
    for (int i = 0; i < 6; ++i) put_u32(out, 0);   // cameras to items
    out.insert(out.end(), 8192, 0);                // light map
    for (int i = 0; i < 256; ++i) {
        out.push_back(std::uint8_t(i % 64));
        out.push_back(std::uint8_t(i / 64 * 21));
        out.push_back(std::uint8_t(i * 37 % 64));
    }
    out.insert(out.end(), 4 + 512, 0);             // cinematic frames, demo data, sound map
    for (int i = 0; i < 3; ++i) put_u32(out, 0);   // sound details, samples, sample indices
    return out;
}

struct Level {
    std::string path, output;
    tilesmith::Package read, full_colour;
    Level() {
        const std::string dir = "/tmp/tilesmith_tr1_bench_" + std::to_string(getpid());
        path = dir + ".phd";
        output = dir + "_out.phd";
        const Bytes bytes = make_level();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
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
    ~Level() {
        std::remove(path.c_str());
        std::remove(output.c_str());
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

// A package read from the level: its 256 colours come back from the cache.
void BM_ExportTr1ReadBack(benchmark::State& state) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state)
        if (tilesmith::ex_tr1(l.output, l.path, l.read, progress) != tilesmith::ExportResult::written)
            state.SkipWithError("export refused");
}
BENCHMARK(BM_ExportTr1ReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportTr1FullColour(benchmark::State& state) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state)
        if (tilesmith::ex_tr1(l.output, l.path, l.full_colour, progress) != tilesmith::ExportResult::written)
            state.SkipWithError("export refused");
}
BENCHMARK(BM_ExportTr1FullColour)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
