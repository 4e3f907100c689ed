// Pane composition, the tile-number text and the clipboard conversion, without
// a main window.
#include "gui_window_support.h"
#include "ui/clipboard.h"
#include "ui/icons.h"
#include "ui/pane.h"
#include "ui/progress.h"

#include <QProgressBar>

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

const QColor kFace(10, 20, 30);
const QRgb kWhiteRgb = qRgb(255, 255, 255);

QImage composed(const Package& package, const View& view, Options options = {},
                const QLocale& locale = QLocale::c()) {
    app();
    QImage buffer(view.viewport_width(), view.viewport_height(), QImage::Format_RGB32);
    compose_pane(buffer, package, view, options, kFace, locale);
    return buffer;
}

View selecting(int left, int top, int columns = 1, int rows = 1) {
    View view;
    view.select(Rect::of_size(left, top, 64 * columns, 64 * rows));
    return view;
}

TEST(PaneComposition, FrameIsTwoDashedOutlinesAroundTheSelectedArea) {
    Options quiet;
    quiet.show_coordinates = false;
    const QImage img = composed(Package(256, 512, kBlack), selecting(64, 128), quiet);
    // Corners of both outlines; nothing outside the 64 x 64 area.
    EXPECT_EQ(img.pixel(64, 128), kWhiteRgb);
    EXPECT_EQ(img.pixel(65, 129), kWhiteRgb);
    EXPECT_EQ(img.pixel(63, 128), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(128, 128), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(64, 192), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(96, 160), qRgb(0, 0, 0)) << "the inside is not filled";
    // Dashed: the top edge has both drawn pixels and gaps.
    int drawn = 0;
    for (int x = 64; x <= 126; ++x) drawn += img.pixel(x, 128) == kWhiteRgb;
    EXPECT_GT(drawn, 20);
    EXPECT_LT(drawn, 63);
    // The right edge of the shifted outline is at sx + 63.
    int right = 0;
    for (int y = 129; y <= 191; ++y) right += img.pixel(127, y) == kWhiteRgb;
    EXPECT_GT(right, 20);
}

TEST(PaneComposition, ShowsThePackageAtTheScrollPositionAndFaceBeyondIt) {
    Package package(320, 576, kBlack);
    fill_pattern(package);
    View view;
    view.reset(320, 576);
    view.scroll_to(64, 64);
    Options quiet;
    quiet.show_coordinates = false;
    const QImage img = composed(package, view, quiet);
    const PackedColor c = package.pixel(64 + 100, 64 + 200);
    EXPECT_EQ(img.pixel(100, 200), qRgb(red_of(c), green_of(c), blue_of(c)));
    // 320 - 64 = 256 columns and 576 - 64 = 512 rows remain: all of the pane.
    const PackedColor last = package.pixel(319, 575);
    EXPECT_EQ(img.pixel(255, 511), qRgb(red_of(last), green_of(last), blue_of(last)));

    const QImage small = composed(Package(128, 256, kBlack), View{}, quiet);
    EXPECT_EQ(small.pixel(127, 255), qRgb(0, 0, 0));
    EXPECT_EQ(small.pixel(128, 10), kFace.rgb());
    EXPECT_EQ(small.pixel(10, 256), kFace.rgb());

    const QImage empty = composed(Package(), View{}, quiet);
    EXPECT_EQ(empty.pixel(100, 100), kFace.rgb());
}

TEST(PaneComposition, TheGridStopsAtThePackagesEdge) {
    Options grid;
    grid.show_coordinates = false;
    grid.grid_visible = true;
    grid.grid_step = 64;
    const QImage img = composed(Package(128, 256, kBlack), View{}, grid);
    const QRgb line = to_qcolor(grid.select_color).rgb();
    EXPECT_EQ(img.pixel(64, 100), line);
    EXPECT_EQ(img.pixel(100, 64), line);
    EXPECT_EQ(img.pixel(64, 300), kFace.rgb()) << "no line below the package";
    EXPECT_EQ(img.pixel(200, 64), kFace.rgb()) << "no line right of it";
    EXPECT_EQ(img.pixel(192, 10), kFace.rgb());
}

TEST(PaneComposition, CoordinatesFollowTheLocale) {
    const View off_grid = selecting(8, 0);
    const Package black(256, 512, kBlack);
    EXPECT_NE(composed(black, off_grid, {}, QLocale(QLocale::Polish)),
              composed(black, off_grid, {}, QLocale::c()))
        << "1,125 and 1.125 are drawn differently";
    EXPECT_NE(composed(black, off_grid, {}), composed(black, View{}, {}));
    EXPECT_NE(composed(black, selecting(0, 0, 2, 2), {}), composed(black, selecting(0, 0, 2, 2), {.show_coordinates = false}))
        << "a region's size is written too";
}

TEST(PaneComposition, ZoomShowsPixelsAsSquaresAndFramesTheWholeRegion) {
    Package package(256, 512, kBlack);
    fill_pattern(package);
    View view = selecting(64, 0, 2, 2);
    view.set_zoom(8, 0, 0);
    view.scroll_to(60, 0);
    const QImage img = composed(package, view, {.show_coordinates = false});
    const PackedColor c = package.pixel(62, 10);
    for (const QPoint at : {QPoint(16, 80), QPoint(23, 87)}) EXPECT_EQ(img.pixel(at), qRgb(red_of(c), green_of(c), blue_of(c)));
    // The frame's left edge at package x 64, screen (64 - 60) x 8; its right edge beyond the picture.
    EXPECT_EQ(img.pixel(32, 0), kWhiteRgb);
    EXPECT_EQ(img.pixel(31, 0), qRgb(red_of(package.pixel(63, 0)), green_of(package.pixel(63, 0)), blue_of(package.pixel(63, 0))));
}

TEST(PaneComposition, TileNumbersInShortestLocaleForm) {
    const QLocale polish(QLocale::Polish), c = QLocale::c();
    EXPECT_EQ(tile_number_text(1.125, polish), QStringLiteral("1,125"));
    EXPECT_EQ(tile_number_text(1.125, c), QStringLiteral("1.125"));
    EXPECT_EQ(tile_number_text(3, polish), QStringLiteral("3"));
    EXPECT_EQ(tile_number_text(1.375, polish), QStringLiteral("1,375"));
    EXPECT_EQ(tile_number_text(1025.5, QLocale(QLocale::English)), QStringLiteral("1025.5"))
        << "no digit grouping";
}

TEST(ClipboardImages, OnlyTheTileOfAHugeImageIsConvertedAndAlphaIsDropped) {
    app();
    QImage huge(5000, 3000, QImage::Format_ARGB32);
    huge.fill(QColor(1, 2, 3, 0));
    const std::optional<Package> cut = image_to_package(huge);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->width(), 64);
    EXPECT_EQ(cut->height(), 64);
    EXPECT_EQ(cut->pixel(63, 63), pack_rgb(1, 2, 3)) << "alpha is dropped";

    EXPECT_FALSE(image_to_package(QImage()));
    EXPECT_TRUE(package_to_image(Package()).isNull());
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

TEST(Gauge, RepaintsAtOnceAndOnlyWhenItsPictureChanges) {
    app();
    QWidget host;
    auto* bar = new QProgressBar(&host);
    bar->setGeometry(0, 0, 106, 13);
    host.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    bar->installEventFilter(&counter);
    GaugeProgress gauge(bar);

    gauge.reset(3);
    EXPECT_GE(counter.paints, 1) << "reset shows the empty bar at once";
    const int after_reset = counter.paints;
    gauge.step();
    EXPECT_EQ(counter.paints, after_reset + 1) << "a visible step shows at once, once";
    gauge.step();
    gauge.step();
    gauge.step();  // past the maximum: stays full
    EXPECT_EQ(bar->value(), bar->maximum());

    // A long operation: one paint per change of the percentage at most.
    gauge.reset(5000);
    counter.paints = 0;
    for (int i = 0; i < 5000; ++i) gauge.step();
    EXPECT_EQ(bar->value(), 5000);
    EXPECT_GE(counter.paints, 50);
    EXPECT_LE(counter.paints, 110);
}

}  // namespace

namespace {

// The pictograms as a menu shows them, checked or not.
QImage icon_image(const QIcon& icon, QIcon::State state = QIcon::Off) {
    return icon.pixmap(16, 16, QIcon::Normal, state).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(Pictograms, RotateTurnsAnticlockwiseItsHeadAtTheTopLeft) {
    app();
    const QImage img = icon_image(make_icon(Icon::rotate));
    // The head is the heaviest part of the top half.
    int left = 0, right = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            if (qAlpha(img.pixel(x, y)) > 128) (x < 8 ? left : right) += 1;
    EXPECT_GT(left, right + 5);
}

TEST(Pictograms, CheckedGridCarriesADarkCheckMark) {
    app();
    const QIcon grid = make_check_icon(Icon::grid);
    const QImage off = icon_image(grid), on = icon_image(grid, QIcon::On);
    int dark_on = 0, dark_off = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const auto dark = [](QRgb c) { return qAlpha(c) > 200 && qGray(c) < 40; };
            dark_on += dark(on.pixel(x, y));
            dark_off += dark(off.pixel(x, y));
        }
    EXPECT_GT(dark_on, 15);
    EXPECT_NE(on, off);
    EXPECT_GT(dark_on, dark_off);
}

}  // namespace
