// Speed of the Tomb Raider 4/5 reader and export against zlib alone, on a 64-page level.
// Goals: BM_OpenTr45 and BM_CliInfoTr45 (the whole tilesmith-cli process,
// start to exit) <= 0.8 x BM_InflateBlock32Alone; BM_ExportTr45 (two cores) <=
// 0.35 x BM_DeflateBothBlocksAlone (one core); BM_WalkTr4Textures <= BM_OpenTr4Level
// (a walkable level of 64 pages, 2000 rooms and 4000 object textures);
// every BM_StopGap gap (..._gap_ms: the most a stop can wait) <= 200. Run with
// --benchmark_repetitions and compare medians: the machine is shared.
#include <benchmark/benchmark.h>
#if __has_include(<spawn.h>)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#define TILESMITH_BENCH_SPAWN 1
#endif
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/package.h"
#include "support/test_files.h"
#include "core/progress.h"
#include "formats/dispatch.h"
#include "formats/format_registry.h"
#include "formats/level_export.h"
#include "formats/level_textures.h"
#include "formats/tr45.h"
#include "model/texture_use.h"
#include "support/level_builder.h"
#include "support/test_files.h"
#include "pixel_hash.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kPages = 64;

// Texture-like pixels: per tile a gradient, bricks or noise, some transparent holes.
void texel(int x, int y, std::uint8_t* bgra) {
    const int tx = x % 64, ty = y % 64;
    const std::uint32_t tile = hash(std::uint32_t(x / 64), std::uint32_t(y / 64));
    const int n = int(hash(std::uint32_t(x), std::uint32_t(y)) % 17) - 8;
    auto clamp = [](int v) { return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
    int r, g, b, a = 255;
    switch (tile % 4) {
    case 0: r = tx * 3 + n; g = ty * 3; b = int(tile >> 8 & 0xFF); break;
    case 1: {
        const bool mortar = ty % 16 == 0 || x % 32 == ((ty / 16) % 2 ? 16 : 0);
        r = mortar ? 160 + n : 150 + n; g = mortar ? 160 + n : 60 + n; b = mortar ? 160 + n : 40 + n;
        break;
    }
    case 2: r = int(tile & 0xFF) + 2 * n; g = int(tile >> 8 & 0xFF) + 2 * n; b = int(tile >> 16 & 0xFF) + 2 * n; break;
    default:
        r = 40 + tx * 3; g = 200 - ty * 2; b = 90 + n;
        if ((tx - 32) * (tx - 32) + (ty - 32) * (ty - 32) < 18 * 18) r = g = b = a = 0;
    }
    bgra[0] = clamp(b); bgra[1] = clamp(g); bgra[2] = clamp(r); bgra[3] = std::uint8_t(a);
}

Bytes deflate_block(const Bytes& data, int level) {
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    compress2(out.data(), &size, data.data(), uLong(data.size()), level);
    out.resize(size);
    return out;
}

void put_i32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

struct Level {
    Bytes block32, block16, stream32, stream16;
    std::string path, output;
    tilesmith::Package package;

    Level() {
        block32.resize(std::size_t(kPages) * 262144);
        block16.resize(std::size_t(kPages) * 131072);
        for (int y = 0; y < kPages * 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const std::size_t n = std::size_t(y) * 256 + std::size_t(x);
                std::uint8_t* p = &block32[4 * n];
                texel(x, y, p);
                const std::uint16_t w = p[3] == 0 ? 0 : std::uint16_t(0x8000 | (p[2] >> 3) << 10 | (p[1] >> 3) << 5 | p[0] >> 3);
                block16[2 * n] = std::uint8_t(w);
                block16[2 * n + 1] = std::uint8_t(w >> 8);
            }
        stream32 = deflate_block(block32, Z_DEFAULT_COMPRESSION);
        stream16 = deflate_block(block16, Z_DEFAULT_COMPRESSION);
        Bytes file(10, 0x20);
        put_i32(file, std::uint32_t(block32.size()));
        put_i32(file, std::uint32_t(stream32.size()));
        file.insert(file.end(), stream32.begin(), stream32.end());
        put_i32(file, std::uint32_t(block16.size()));
        put_i32(file, std::uint32_t(stream16.size()));
        file.insert(file.end(), stream16.begin(), stream16.end());
        file.resize(file.size() + 2'000'000, 0x33);  // the rest of a level: geometry, sounds
        const std::string stem = tilesmith::unique_temp_path("tilesmith_level_bench_").string();
        path = stem + ".tr4";
        output = stem + "_out.tr4";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
        tilesmith::CountingProgress progress;
        tilesmith::open_tr45(path, package, true, progress);
    }
    ~Level() {
        std::remove(path.c_str());
        std::remove(output.c_str());
    }
};

Level& level() {
    static Level instance;
    return instance;
}

// The yardstick of reading: one whole-buffer inflate of the 32-bit block.
void BM_InflateBlock32Alone(benchmark::State& state) {
    Level& l = level();
    Bytes out(l.block32.size());
    for (auto _ : state) {
        z_stream s{};
        inflateInit(&s);
        s.next_in = l.stream32.data();
        s.avail_in = uInt(l.stream32.size());
        s.next_out = out.data();
        s.avail_out = uInt(out.size());
        if (inflate(&s, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
        inflateEnd(&s);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_InflateBlock32Alone)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same into a fresh zeroed buffer per call, as any whole-buffer reader must.
void BM_InflateBlock32IntoFreshBuffer(benchmark::State& state) {
    Level& l = level();
    for (auto _ : state) {
        auto* out = static_cast<std::uint8_t*>(std::calloc(l.block32.size(), 1));
        z_stream s{};
        inflateInit(&s);
        s.next_in = l.stream32.data();
        s.avail_in = uInt(l.stream32.size());
        s.next_out = out;
        s.avail_out = uInt(l.block32.size());
        if (inflate(&s, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
        inflateEnd(&s);
        benchmark::DoNotOptimize(out);
        std::free(out);
    }
}
BENCHMARK(BM_InflateBlock32IntoFreshBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenTr45(benchmark::State& state) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state) {
        tilesmith::Package package;
        tilesmith::open_tr45(l.path, package, true, progress);
        benchmark::DoNotOptimize(package.bits());
    }
}
BENCHMARK(BM_OpenTr45)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef TILESMITH_BENCH_SPAWN
// Opening as a user of the command line meets it: the process, its shared
// libraries and `info` on the level, its output thrown away.
void BM_CliInfoTr45(benchmark::State& state) {
    Level& l = level();
    char* argv[] = {const_cast<char*>(TILESMITH_CLI_PATH), const_cast<char*>("info"), l.path.data(), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("tilesmith-cli info failed");
    }
    posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(BM_CliInfoTr45)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

// The yardstick of export: the two level-9 deflates of the converted blocks.
void BM_DeflateBothBlocksAlone(benchmark::State& state) {
    Level& l = level();
    for (auto _ : state) {
        benchmark::DoNotOptimize(deflate_block(l.block32, 9).size());
        benchmark::DoNotOptimize(deflate_block(l.block16, 9).size());
    }
}
BENCHMARK(BM_DeflateBothBlocksAlone)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

std::uint32_t get_u32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
           std::uint32_t(b.at(at + 3)) << 24;
}

// The whole stream at `at` of `size` bytes, inflated by zlib; empty if it is none.
Bytes inflate_stream(const Bytes& file, std::size_t at, std::size_t size, std::size_t expected) {
    Bytes out(expected);
    uLongf got = uLongf(expected);
    uLong used = uLong(size);
    if (at + size > file.size() || uncompress2(out.data(), &got, file.data() + at, &used) != Z_OK ||
        got != expected)
        return {};
    return out;
}

// Both blocks on both cores. Reports the exported blocks' sizes beside what
// zlib's level 9 makes of the same bytes, and fails if either is larger.
void BM_ExportTr45(benchmark::State& state) {
    Level& l = level();
    tilesmith::CountingProgress progress;
    for (auto _ : state)
        if (tilesmith::ex_tr45(l.output, l.path, l.package, progress) != tilesmith::ExportResult::written)
            state.SkipWithError("export refused");
    Bytes file(l.block32.size() + l.block16.size() + 4'000'000);
    std::FILE* f = std::fopen(l.output.c_str(), "rb");
    file.resize(f ? std::fread(file.data(), 1, file.size(), f) : 0);
    if (f) std::fclose(f);
    const std::size_t c32 = get_u32(file, 14), c16 = get_u32(file, 22 + c32);
    const Bytes block32 = inflate_stream(file, 18, c32, l.block32.size());
    const Bytes block16 = inflate_stream(file, 26 + c32, c16, l.block16.size());
    if (block32.empty() || block16.empty()) return state.SkipWithError("exported blocks do not inflate");
    const std::size_t z32 = deflate_block(block32, 9).size(), z16 = deflate_block(block16, 9).size();
    state.counters["c32"] = double(c32);
    state.counters["c16"] = double(c16);
    state.counters["zlib9_c32"] = double(z32);
    state.counters["zlib9_c16"] = double(z16);
    if (c32 > z32 || c16 > z16) state.SkipWithError("an exported block is larger than zlib's level 9");
}
BENCHMARK(BM_ExportTr45)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A level whose every structure the texture walk steps through.
struct WalkableLevel {
    tilesmith::TempDir dir;
    std::string path;
    WalkableLevel() {
        tilesmith::LevelSpec wanted{tilesmith::Game::tr4, kPages, 2000};
        wanted.object_textures = 4000;
        path = dir.put("walkable.tr4", tilesmith::make_level(wanted).bytes);
    }
};

WalkableLevel& walkable() {
    static WalkableLevel instance;
    return instance;
}

void BM_OpenTr4Level(benchmark::State& state) {
    tilesmith::CountingProgress progress;
    for (auto _ : state) {
        tilesmith::Package package;
        tilesmith::open_tr45(walkable().path, package, true, progress);
        benchmark::DoNotOptimize(package.bits());
    }
}
BENCHMARK(BM_OpenTr4Level)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole walk: the file's blocks and samples, the inflated level data, the tables read.
void BM_WalkTr4Textures(benchmark::State& state) {
    for (auto _ : state) {
        const auto refs = tilesmith::read_texture_refs(walkable().path);
        if (!refs) state.SkipWithError("no references");
        benchmark::DoNotOptimize(refs->objects.data());
    }
}
BENCHMARK(BM_WalkTr4Textures)->Unit(benchmark::kMillisecond)->UseRealTime();

// Placing those references on the 64 pages, as the window does once.
void BM_TextureUseOf64Pages(benchmark::State& state) {
    const auto refs = tilesmith::read_texture_refs(walkable().path);
    for (auto _ : state) {
        const tilesmith::TextureUse use(*refs, kPages);
        benchmark::DoNotOptimize(use.used_pixels(0));
    }
}
BENCHMARK(BM_TextureUseOf64Pages)->Unit(benchmark::kMillisecond)->UseRealTime();

// How long a stop may wait: the longest time between two check points of
// any one thread (a step, a reset or a question whether to stop), from the
// job's start to its end. A thread's first check counts from the last one of
// any thread. Beside it (..._still_ms), the longest time the gauge stood still.
class GapProgress : public tilesmith::Progress {
public:
    void reset(int) override { move(); }
    void step() override { move(); }
    bool cancelled() const override {
        mark();
        return false;
    }
    // Runs the work and keeps the longest gap of this and earlier runs under
    // `counter` of the benchmark.
    template <typename Work>
    void time(benchmark::State& state, const char* counter, Work work) {
        level();  // built before the clock starts
        ++run_;
        last_any_ = last_move_ = now();
        longest_ = still_ = 0;
        work();
        move();
        state.counters[counter] = std::max(state.counters[counter].value, double(longest_) / 1e6);
        const std::string still = std::string(counter).replace(std::string(counter).find("gap"), 3, "still");
        state.counters[still] = std::max(state.counters[still].value, double(still_) / 1e6);
    }

private:
    using Clock = std::chrono::steady_clock;
    static long long now() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
    }
    // A step or reset also moves the gauge: the longest time it stands still is kept too.
    void move() {
        mark();
        const long long t = now(), last = last_move_.exchange(t);
        long long seen = still_;
        while (t - last > seen && !still_.compare_exchange_weak(seen, t - last)) {}
    }
    void mark() const {
        thread_local int run = -1;
        thread_local long long last = 0;
        const long long t = now();
        if (run != run_) {
            run = run_;
            last = last_any_;
        }
        long long seen = longest_;
        while (t - last > seen && !longest_.compare_exchange_weak(seen, t - last)) {}
        last = t;
        last_any_ = t;
    }
    std::atomic<int> run_{0};
    mutable std::atomic<long long> last_any_{0}, longest_{0};
    std::atomic<long long> last_move_{0}, still_{0};
};

void BM_StopGapOpenTr45(benchmark::State& state) {
    GapProgress progress;
    for (auto _ : state)
        progress.time(state, "longest_gap_ms", [&] {
            tilesmith::Package package;
            tilesmith::open_tr45(level().path, package, true, progress);
        });
}
BENCHMARK(BM_StopGapOpenTr45)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_StopGapExportTr45(benchmark::State& state) {
    GapProgress progress;
    for (auto _ : state)
        progress.time(state, "longest_gap_ms",
                      [&] { tilesmith::ex_tr45(level().output, level().path, level().package, progress); });
}
BENCHMARK(BM_StopGapExportTr45)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Opening a built level of 64 pages of every other game, and exporting the pages back into it.
void stop_gap_level(benchmark::State& state, tilesmith::Game game) {
    tilesmith::TempDir dir;
    const std::string base = dir.put("base" + tilesmith::extension_of(game),
                                     tilesmith::make_level(tilesmith::LevelSpec(game, kPages, 200)).bytes);
    const std::string output = dir.path() + "/out" + tilesmith::extension_of(game);
    GapProgress opening, exporting;
    tilesmith::Package package;
    for (auto _ : state) {
        opening.time(state, "open_gap_ms", [&] { tilesmith::read_package(base, package, {}, opening); });
        exporting.time(state, "export_gap_ms", [&] { tilesmith::export_level(output, base, package, exporting); });
    }
}
const bool stop_gap_levels = [] {
    using tilesmith::Game;
    for (const auto& [name, game] : {std::pair{"tr1", Game::tr1}, {"tr2", Game::tr2}, {"tr3", Game::tr3}, {"tr5", Game::tr5}})
        benchmark::RegisterBenchmark((std::string("BM_StopGapLevel/") + name).c_str(), stop_gap_level, game)
            ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
    return true;
}();

// Saving the level's 64 pages in each picture format that writes, and opening the picture.
void stop_gap_save(benchmark::State& state, const std::string& picture) {
    GapProgress progress;
    for (auto _ : state)
        progress.time(state, "longest_gap_ms", [&] { tilesmith::write_package(picture, level().package, progress); });
}
void stop_gap_open(benchmark::State& state, const std::string& picture) {
    GapProgress progress;
    for (auto _ : state)
        progress.time(state, "longest_gap_ms", [&] {
            tilesmith::Package package;
            tilesmith::read_package(picture, package, {}, progress);
        });
    std::remove(picture.c_str());
}
const bool stop_gap_pictures = [] {
    const std::string stem = tilesmith::unique_temp_path("tilesmith_stop_gap_").string();
    for (const std::string_view kind : tilesmith::extensions_for(tilesmith::FormatRole::write)) {
        const std::string picture = stem + std::string(kind);
        benchmark::RegisterBenchmark(("BM_StopGapSave/" + std::string(kind)).c_str(), stop_gap_save, picture)
            ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
        benchmark::RegisterBenchmark(("BM_StopGapOpen/" + std::string(kind)).c_str(), stop_gap_open, picture)
            ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
    }
    return true;
}();

}  // namespace
