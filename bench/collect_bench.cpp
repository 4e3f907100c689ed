// Collecting the tiles of 64 Tomb Raider 4 levels of 64 pages each, against
// opening them. Half of each level's tiles come from a pool that all levels
// share (walls, floors, sky), half are its own, so the distinct tiles make a
// package of about 450 MB.
// Goals: BM_CliCollectUnique (the whole tilesmith-cli process, both cores,
// writing the package) <= 1.2 x BM_OpenAllLevels (one after another), and its
// peak resident memory (counter peak_MB) <= 2 x the package (counter
// package_MB). Run with --benchmark_repetitions and compare medians: the
// machine is shared.
#include <benchmark/benchmark.h>
#if __has_include(<spawn.h>)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#define TILESMITH_BENCH_SPAWN 1
#endif
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/package.h"
#include "core/progress.h"
#include "formats/dispatch.h"
#include "model/collect.h"
#include "support/level_builder.h"
#include "support/test_files.h"
#include "pixel_hash.h"

namespace {

using tilesmith::Bytes;
constexpr int kLevels = 64;
constexpr int kPages = 64;
constexpr int kTilesPerLevel = kPages * 16;
constexpr std::uint32_t kSharedTiles = 4096;

// The tile a place of a level shows: from the shared pool or its own.
std::uint32_t tile_id(int level, int tile) {
    const std::uint32_t h = hash(std::uint32_t(level) + 1, std::uint32_t(tile));
    return h % 2 ? h / 2 % kSharedTiles : kSharedTiles + std::uint32_t(level * kTilesPerLevel + tile);
}

// Blue, green, red, alpha of a tile's pixel: a gradient of its colour and some grain.
void texel(std::uint32_t id, int x, int y, std::uint8_t* bgra) {
    const std::uint32_t c = hash(id, 77);
    const int grain = int(hash(id * 4096 + std::uint32_t(y * 64 + x), 5) % 9);
    bgra[0] = std::uint8_t((c & 0x7F) + x + grain);
    bgra[1] = std::uint8_t((c >> 8 & 0x7F) + y + grain);
    bgra[2] = std::uint8_t((c >> 16 & 0x7F) + (x + y) / 2);
    bgra[3] = 255;
}

Bytes level_file(int level) {
    Bytes block32(std::size_t(kPages) * 262144), block16(std::size_t(kPages) * 131072);
    for (int y = 0; y < kPages * 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::size_t n = std::size_t(y) * 256 + std::size_t(x);
            std::uint8_t* p = &block32[4 * n];
            texel(tile_id(level, (y / 64) * 4 + x / 64), x % 64, y % 64, p);
            const std::uint16_t w = std::uint16_t(0x8000 | (p[2] >> 3) << 10 | (p[1] >> 3) << 5 | p[0] >> 3);
            block16[2 * n] = std::uint8_t(w);
            block16[2 * n + 1] = std::uint8_t(w >> 8);
        }
    return tilesmith::tr4_from_streams(std::int32_t(block32.size()), tilesmith::zlib_compress(block32, Z_BEST_SPEED),
                                       std::int32_t(block16.size()), tilesmith::zlib_compress(block16, Z_BEST_SPEED),
                                       Bytes(2'000'000, 0x33));
}

// The levels take minutes to make: TILESMITH_BENCH_LEVELS names a folder
// that keeps them from one run to the next.
struct Levels {
    tilesmith::TempDir temp;
    std::string folder;
    std::vector<std::string> paths;
    Levels() {
        const char* kept = std::getenv("TILESMITH_BENCH_LEVELS");
        folder = kept ? kept : temp.path();
        std::filesystem::create_directories(folder);
        for (int level = 0; level < kLevels; ++level) {
            paths.push_back(folder + "/level" + std::to_string(level) + ".tr4");
            if (!tilesmith::file_exists(paths.back())) tilesmith::write_bytes(paths.back(), level_file(level));
        }
    }
};

#ifdef TILESMITH_BENCH_SPAWN
double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }
#endif
// The processor time of this process on all its threads, for the counters:
// on a busy machine it tells more than the time on the clock.
double cpu_seconds() {
#ifdef TILESMITH_BENCH_SPAWN
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
#else
    return 0;
#endif
}

Levels& levels() {
    static Levels instance;
    return instance;
}

#ifdef TILESMITH_BENCH_SPAWN
// First, while this process is small: a process started by posix_spawn
// reports as its peak also what this one held when it started it.
void BM_CliCollectUnique(benchmark::State& state) {
    const std::string output = levels().temp.file("collected.bmp");
    std::vector<std::string> words{TILESMITH_CLI_PATH, "collect", output, "--unique", "--width", "32"};
    words.insert(words.end(), levels().paths.begin(), levels().paths.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    long peak_kb = 0;
    double cpu = 0;
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0 ||
            wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("tilesmith-cli collect failed");
        peak_kb = std::max(peak_kb, long(usage.ru_maxrss));
        cpu += seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    state.counters["cpu_s"] = cpu / double(state.iterations());
    posix_spawn_file_actions_destroy(&quiet);
    // The package's size from the picture's header: its width and height.
    Bytes header(26);
    if (std::FILE* f = std::fopen(output.c_str(), "rb")) {
        header.resize(std::fread(header.data(), 1, header.size(), f));
        std::fclose(f);
    }
    if (header.size() < 26) return state.SkipWithError("no package written");
    const std::int64_t width = tilesmith::get_i32(header, 18), height = tilesmith::get_i32(header, 22);
    state.counters["peak_MB"] = double(peak_kb) / 1024;
    state.counters["package_MB"] = double((width * 3 + 3) / 4 * 4 * height) / (1 << 20);
}
BENCHMARK(BM_CliCollectUnique)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
#endif

void BM_OpenAllLevels(benchmark::State& state) {
    tilesmith::CountingProgress progress;
    levels();
    const double cpu = cpu_seconds();
    for (auto _ : state)
        for (const std::string& path : levels().paths) {
            tilesmith::Package package;
            tilesmith::read_package(path, package, {}, progress);
            benchmark::DoNotOptimize(package.bits());
        }
    state.counters["cpu_s"] = (cpu_seconds() - cpu) / double(state.iterations());
}
BENCHMARK(BM_OpenAllLevels)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// The work of the command without its process and its writing.
void BM_CollectTilesUnique(benchmark::State& state) {
    tilesmith::CollectOptions options;
    options.unique = true;
    options.width = 32;
    long long written = 0;
    levels();
    const double cpu = cpu_seconds();
    for (auto _ : state) written = (long long)tilesmith::collect_tiles(levels().paths, options, {}).tiles.size();
    state.counters["cpu_s"] = (cpu_seconds() - cpu) / double(state.iterations());
    state.counters["tiles"] = double(written);
}
BENCHMARK(BM_CollectTilesUnique)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);


}  // namespace
