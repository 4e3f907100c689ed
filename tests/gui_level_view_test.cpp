// The level in 3D through the window's real actions, drawn by OpenGL (Mesa's
// software renderer on a virtual display): the texture's colour on its faces,
// an edited tile on them at the next frame, a click on a face selecting its
// tiles, and the dock's title naming the level's file and pane.
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QStatusBar>

#include "gui_window_support.h"
#include "support/room_level.h"
#include "ui/level_dock.h"
#include "ui/level_view.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class LevelIn3D : public WindowTest {};

// Pixels of the picture within a few steps of the colour, and the last of them.
int count_near(const QImage& image, QRgb colour, QPoint* last = nullptr) {
    int n = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) > 12)
                continue;
            ++n;
            if (last && image.pixel(x - 1, y) == p && image.pixel(x + 1, y) == p && image.pixel(x, y - 1) == p &&
                image.pixel(x, y + 1) == p)
                *last = QPoint(x, y);
        }
    return n;
}

TEST_F(LevelIn3D, DressesTheFacesInThePackageFollowsAnEditAndPicksAFace) {
    app();
    {
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext context;
        if (!context.create() || !context.makeCurrent(&surface)) GTEST_SKIP() << "no OpenGL context can be made here";
        context.doneCurrent();
    }
    RoomLevelSpec wanted;
    wanted.game = 2;
    wanted.pages = 1;
    wanted.rooms = 1;
    write_bytes(path("room.tr2").toStdString(), make_room_level(wanted));
    MainWindow& w = open();
    host.open_answers = {path("room.tr2")};
    trigger("open_target");
    trigger("view_level3d");
    auto* view = w.findChild<LevelView*>(QStringLiteral("level3d_view"));
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(LevelDock::in(&w)->windowTitle(), QStringLiteral("Widok 3D poziomu: room.tr2, cel"));
    const QRgb red = qRgb(200, 40, 40);
    EXPECT_GT(count_near(view->grabFramebuffer(), red), 300);

    // Tile (1, 0), which object texture 0 maps, painted the background colour.
    const long long uploaded = view->uploaded_pages();
    ws().views().select(Side::target, Rect::of_size(64, 0, 64, 64));
    trigger("tx_del");
    const PackedColor brush = ws().document().target().pixel(64, 0);
    const QImage after = view->grabFramebuffer();
    QPoint on_face(-1, -1);
    EXPECT_GT(count_near(after, qRgb(red_of(brush), green_of(brush), blue_of(brush)), &on_face), 300);
    EXPECT_EQ(view->uploaded_pages(), uploaded + 1);

    ws().views().select(Side::target, Rect::of_size(0, 192, 64, 64));
    click(view, Qt::LeftButton, on_face);
    EXPECT_EQ(ws().view(Side::target).selection(), (Rect{64, 0, 128, 64}));
    EXPECT_TRUE(w.panel_text(8).endsWith(QStringLiteral("tekstura obiektu 0"))) << w.panel_text(8).toStdString();
}

TEST_F(LevelIn3D, TheStatusBarStaysWholeBesideTheDockAtTheLeastSizeAndTheItemFollowsTheDock) {
    MainWindow& w = open();
    trigger("view_level3d");
    EXPECT_TRUE(action("view_level3d")->isChecked());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    w.resize(w.minimumSize());
    QCoreApplication::processEvents();
    const auto* bar = w.findChild<QStatusBar*>(QStringLiteral("status_bar"));
    EXPECT_EQ(bar->geometry().right(), w.rect().right()) << "the bar runs under the dock";
    for (int i = 0; i < 10; ++i) {
        const auto* panel = bar->findChild<QLabel*>(QStringLiteral("status_panel%1").arg(i));
        EXPECT_TRUE(bar->rect().contains(panel->geometry())) << i;
        const QString widest = i == 8 ? QStringLiteral("16383, 16383  #FFFFFF") : panel->text();
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(widest), panel->contentsRect().width() - 2 * panel->indent()) << i;
    }
    LevelDock::in(&w)->close();  // as its own close button does
    EXPECT_FALSE(action("view_level3d")->isChecked());
}

}  // namespace
