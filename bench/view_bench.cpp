// Speed of the view: composing a full-screen pane of a 64-page package at 1x
// and 8x (only the visible part is drawn; goal under 2 ms each), and a region
// transfer of 4 x 64 tiles with its undo step (goal under 20 ms).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QLocale>

#include "model/workspace.h"
#include "ui/pane.h"

using namespace tilesmith;

namespace {

// 64 pages of 256 x 256 stacked, as a level's package.
Package level_package() {
    Package p(256, 256 * 64);
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.set_pixel(x, y, pack_rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
    return p;
}

void compose(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "view_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    const Package package = level_package();
    View view;
    view.reset(package.width(), package.height());
    view.set_viewport(1920, 1080);
    view.set_zoom(int(state.range(0)), 0, 0);
    view.scroll_to(100, 5000);
    view.select(Rect::of_size(64, 5120, 128, 128));
    Options options;
    options.grid_visible = state.range(1) != 0;
    QImage buffer(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        compose_pane(buffer, package, view, options, Qt::lightGray, QLocale::c());
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(compose)->Args({1, 0})->Args({8, 0})->Args({1, 1})->Args({8, 1})->Unit(benchmark::kMillisecond);

void region_transfer_and_undo(benchmark::State& state) {
    Workspace ws;
    ws.files().use_source(level_package());
    ws.edits().use_target(level_package());
    ws.views().select(Side::source, Rect::of_size(0, 0, 256, 64 * 64));
    ws.set_option(&Options::automove, false);
    for (auto _ : state) {
        ws.edits().tx_add();
        ws.edits().undo();
    }
}
BENCHMARK(region_transfer_and_undo)->Unit(benchmark::kMillisecond);

}  // namespace
