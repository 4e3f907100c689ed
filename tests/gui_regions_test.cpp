// Regions and the growing window through Qt's real events: a drag and a
// Shift+click select rectangles of tiles, the arrow keys move and extend
// them, the window grows, and the pointer reads out the pixel under it.
#include <QTest>

#include "gui_window_support.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class Regions : public WindowTest {
protected:
    QWidget* pane(const char* name) { return window->findChild<QWidget*>(QString::fromLatin1(name)); }
    // A mouse event at panel pixel `at` (the bevel is 1 pixel wide).
    void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers mods = {}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, mods);
        QCoreApplication::sendEvent(w, &e);
    }
};

TEST_F(Regions, DragAndShiftClickSelectTilesAndInsertCopiesTheBlockAndMovesOn) {
    open();
    ws().use_source(patterned(512, 512));
    QWidget* source = pane("source_pane");
    mouse(source, QEvent::MouseButtonPress, {70, 10}, Qt::LeftButton);
    mouse(source, QEvent::MouseMove, {140, 80}, Qt::LeftButton);
    mouse(source, QEvent::MouseButtonRelease, {140, 80}, Qt::NoButton);
    EXPECT_EQ(ws().selected_source_rect(), Rect::of_size(64, 0, 128, 128));

    trigger("tx_add");
    EXPECT_EQ(ws().target_package().pixel(127, 127), pattern(191, 127));
    EXPECT_EQ(ws().selected_target_rect(), Rect::of_size(128, 0, 128, 128)) << "moved on by the block's width";
    trigger("undo");
    EXPECT_EQ(ws().target_package().pixel(127, 127), kSilver);

    click(source, Qt::LeftButton, {10, 10});
    mouse(source, QEvent::MouseButtonPress, {200, 140}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(ws().selected_source_rect(), Rect::of_size(0, 0, 256, 192));
}

TEST_F(Regions, TurnAndFlipsOfA2x2RegionMoveItsWholePicture) {
    struct Case {
        const char* item;
        std::pair<int, int> (*from)(int i, int j);  // where the pixel now at (i, j) came from
    };
    const Case cases[] = {
        {"rotate90", [](int i, int j) { return std::pair{127 - j, i}; }},
        {"flip_horizontally", [](int i, int j) { return std::pair{127 - i, j}; }},
        {"flip_vertically", [](int i, int j) { return std::pair{i, 127 - j}; }},
    };
    open();
    use_target(ws(), patterned(256, 512));
    const Package before = ws().target_package().clone();
    for (const Case& c : cases) {
        ws().select(Side::target, Rect::of_size(64, 128, 128, 128));
        trigger(c.item);
        for (int j = 0; j < 128; ++j)
            for (int i = 0; i < 128; ++i) {
                const auto [fi, fj] = c.from(i, j);
                ASSERT_EQ(ws().target_package().pixel(64 + i, 128 + j), before.pixel(64 + fi, 128 + fj)) << c.item;
            }
        EXPECT_EQ(ws().undo_count(), 2) << "the open, then the turn";
        trigger("undo");
    }
    // A region that is not square is not turned, and the user is told why.
    ws().select(Side::target, Rect::of_size(0, 0, 128, 64));
    trigger("rotate90");
    EXPECT_EQ(ws().target_package(), before);
    EXPECT_EQ(host.warnings.size(), 1);
}

TEST_F(Regions, CtrlASelectsTheWholePackageOfTheLastClickedPane) {
    // Window shortcuts only fire in the active window.
    open().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ws().use_source(patterned(512, 256));
    click(pane("source_pane"), Qt::LeftButton, {70, 70});
    QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(ws().selected_source_rect(), Rect::of_size(0, 0, 512, 256));
    EXPECT_EQ(ws().selected_target_rect(), Rect::of_size(0, 0, 64, 64));
}

TEST_F(Regions, ArrowKeysMoveTheLastClickedPaneAndShiftExtends) {
    open();
    click(pane("source_pane"), Qt::LeftButton, {70, 70});
    QTest::keyClick(window.get(), Qt::Key_Right);
    QTest::keyClick(window.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(ws().selected_source_rect(), Rect::of_size(128, 64, 64, 128));
    EXPECT_EQ(ws().selected_target_rect(), Rect::of_size(0, 0, 64, 64)) << "only the last clicked pane";
}

TEST_F(Regions, TheGrownWindowSharesItsWidthAndShowsMoreRows) {
    MainWindow& w = open();
    write_tga(path("long.tga"), 256, 2048, pattern);
    host.open_answers = {path("long.tga")};
    trigger("open_target");
    const int range = ws().view(Side::target).max_scroll_y();
    w.resize(1200, 900);
    EXPECT_EQ(pane("source_pane")->width(), pane("target_pane")->width());
    EXPECT_GT(pane("target_pane")->x() + pane("target_pane")->width(), 1100);
    EXPECT_EQ(ws().view(Side::target).max_scroll_y(), range - (pane("target_pane")->height() - 514));
    EXPECT_EQ(w.pane_image(2).size(), pane("target_pane")->size() - QSize(2, 2));

    // The status bar names the pixel under the pointer and its colour.
    mouse(pane("target_pane"), QEvent::MouseMove, {138, 65}, Qt::NoButton);
    const PackedColor c = pattern(137, 64);
    EXPECT_EQ(w.panel_text(8), QStringLiteral("137, 64  ") + QColor(red_of(c), green_of(c), blue_of(c)).name().toUpper());

    // Size and zoom come back at the next start.
    trigger("view_zoomin");
    trigger("exit");
    open_at_own_size();
    EXPECT_EQ(window->size(), QSize(1200, 900));
    EXPECT_EQ(ws().view(Side::target).zoom(), 2);
}

}  // namespace
