// The level in 3D: building the scene of a 64-page Tomb Raider 4 level of 2000
// rooms and its objects (BM_BuildScene) against opening its pages
// (BM_OpenLevel), goal no more; the whole open as the window makes it, from
// one reading of the file: pages, walk, texture use and scene
// (BM_OpenWholeLevel), goal at most 1.2 times BM_OpenLevel; the pages an edit of one tile makes the view upload again
// (BM_PagesAfterOneTileEdit, counter "pages", goal 1); and the time of one
// frame of that level on the OpenGL the session has (BM_FrameTime, under
// xvfb-run with Mesa's software renderer; skipped without OpenGL). Run with
// --benchmark_repetitions and compare medians: the machine is shared.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "core/progress.h"
#include "core/dimensions.h"
#include "formats/dispatch.h"
#include "formats/level_file.h"
#include "model/texture_use.h"
#include "model/level_scene.h"
#include "model/page_tracker.h"
#include "support/room_level.h"
#include "support/test_files.h"
#include "ui/level_view.h"

using namespace tilesmith;

namespace {

constexpr int kPages = 64;

const std::string& level_file() {
    static TempDir dir;
    static const std::string path = [] {
        RoomLevelSpec wanted;
        wanted.game = 4;
        wanted.pages = kPages;
        wanted.rooms = 2000;
        wanted.extra_quads = 30;
        wanted.objects = true;
        return dir.put("big.tr4", make_room_level(wanted));
    }();
    return path;
}

void BM_OpenLevel(benchmark::State& state) {
    for (auto _ : state) {
        Package package;
        CountingProgress progress;
        read_package(level_file(), package, {}, progress);
        benchmark::DoNotOptimize(package.bits());
    }
}
BENCHMARK(BM_OpenLevel)->Unit(benchmark::kMillisecond);

void BM_OpenWholeLevel(benchmark::State& state) {
    std::size_t faces = 0;
    for (auto _ : state) {
        // As the window opens a level: the use and the scene made while the pages decode.
        CountingProgress progress;
        std::optional<TextureUse> use;
        std::optional<LevelScene> scene;
        const LevelFile file = read_level_file(level_file(), {}, progress, LevelParts::pages_and_walk,
                                               [&](const LevelFile& walked, int pages) {
                                                   use.emplace(*walked.level, pages);
                                                   scene.emplace(*walked.level, pages);
                                               });
        faces = scene->faces().size();
        benchmark::DoNotOptimize(use->pages() + file.package.height());
    }
    state.counters["faces"] = double(faces);
}
BENCHMARK(BM_OpenWholeLevel)->Unit(benchmark::kMillisecond);

const LevelGeometry& whole_level() {
    static const LevelGeometry level = *read_level_rooms(level_file());
    return level;
}

void BM_BuildScene(benchmark::State& state) {
    std::size_t faces = 0;
    for (auto _ : state) faces = LevelScene(whole_level(), kPages).faces().size();
    state.counters["faces"] = double(faces);
}
BENCHMARK(BM_BuildScene)->Unit(benchmark::kMillisecond);

void BM_PagesAfterOneTileEdit(benchmark::State& state) {
    Package package(256, 256 * kPages);
    PageTracker tracker;
    tracker.changed_pages(package);
    std::size_t pages = 0;
    int n = 0;
    for (auto _ : state) {
        package.fill_rect(64 * (n % 4), 64 * (n % (4 * kPages)), 64, 64, pack_rgb(std::uint8_t(n), 0, 0));
        ++n;
        pages = tracker.changed_pages(package).size();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_PagesAfterOneTileEdit)->Unit(benchmark::kMillisecond);

void BM_FrameTime(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "level_scene_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext probe;
    if (!probe.create() || !probe.makeCurrent(&surface)) {
        state.SkipWithError("no OpenGL context can be made here");
        return;
    }
    probe.doneCurrent();
    Package package;
    CountingProgress progress;
    read_package(level_file(), package, {}, progress);
    LevelView view;
    view.resize(1280, 720);
    view.show();
    view.show_level(std::make_shared<const LevelScene>(whole_level(), kPages), &package);
    view.grabFramebuffer();  // the first frame uploads every page
    for (auto _ : state) benchmark::DoNotOptimize(view.grabFramebuffer());
    state.counters["uploaded pages"] = double(view.uploaded_pages());
}
BENCHMARK(BM_FrameTime)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
