// TGA reading and writing of a 2048 x 8192 package against a plain memcpy of
// the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/package.h"
#include "support/test_files.h"
#include "core/progress.h"
#include "formats/tga.h"

namespace {

using namespace tilesmith;

constexpr int kWidth = 2048, kHeight = 8192;
constexpr std::int64_t kBytes = std::int64_t(kWidth) * kHeight * 3;

Package make_package() {
    Package p(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = p.row(y);
        for (int i = 0; i < kWidth * 3; ++i) row[i] = std::uint8_t(i * 7 + y * 13);
    }
    return p;
}

std::string bench_path(const char* name) {
    return tilesmith::unique_temp_path("tga_bench_").string() + name;
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<std::uint8_t> from(kBytes, 1), to(kBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_ReadTga(benchmark::State& state) {
    const std::string path = bench_path("_read.tga");
    CountingProgress progress;
    save_tga(path, make_package(), progress);
    for (auto _ : state) {
        Package p;
        open_tga(path, p, progress);
        benchmark::DoNotOptimize(p.bits());
    }
    state.SetBytesProcessed(state.iterations() * kBytes);
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadTga)->Unit(benchmark::kMillisecond);

// Includes the flush to disk that makes the save safe.
void BM_WriteTga(benchmark::State& state) {
    const std::string path = bench_path("_write.tga");
    const Package p = make_package();
    CountingProgress progress;
    for (auto _ : state) save_tga(path, p, progress);
    state.SetBytesProcessed(state.iterations() * kBytes);
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteTga)->Unit(benchmark::kMillisecond);

}  // namespace
