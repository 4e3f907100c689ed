// Keys pressed on the main window reach their commands through Qt's shortcut
// machinery, as a user's keys do; a disabled item or window ignores them.
#include <QTest>

#include "effects/routines.h"
#include "gui_window_support.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/platform_keys.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class Keys : public WindowTest {
protected:
    // Window shortcuts only fire in the active window.
    MainWindow& open_active() {
        MainWindow& w = open();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
};

TEST_F(Keys, InsertAddsATileAndCtrlZTakesItBackUntilUndoIsDisabled) {
    open_active();
    ws().use_source(patterned());
    const Package before = ws().target_package().clone();

    press(Qt::Key_Insert);
    EXPECT_EQ(ws().target_package().pixel(10, 20), pattern(10, 20));
    EXPECT_EQ(ws().selected_target_rect().left, 64) << "the target selection moved on";
    EXPECT_TRUE(action("undo")->isEnabled());

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ws().target_package(), before);
    EXPECT_EQ(ws().undo_count(), 0);
    EXPECT_FALSE(action("undo")->isEnabled());

    // Redo takes it again by either key; the disabled undo ignores its shortcut.
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ws().target_package().pixel(10, 20), pattern(10, 20));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ws().undo_count(), 1);
    EXPECT_FALSE(action("redo")->isEnabled());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ws().target_package(), before);
}

TEST_F(Keys, F9ShowsAndHidesTheGridAndCtrlAltBBlursTheSelectedTile) {
    MainWindow& w = open_active();
    const QRgb white = qRgb(255, 255, 255);
    press(Qt::Key_F9);
    EXPECT_TRUE(ws().options().grid_visible);
    EXPECT_TRUE(action("grid_visible")->isChecked());
    EXPECT_EQ(w.pane_image(1).pixel(64, 300), white);
    press(Qt::Key_F9);
    EXPECT_FALSE(ws().options().grid_visible);
    EXPECT_NE(w.pane_image(1).pixel(64, 300), white);

    use_target(ws(), patterned());
    Package expected = ws().target_package().clone();
    CountingProgress progress;
    blur(expected, {0, 0}, progress);
    press(Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(ws().target_package(), expected);
    EXPECT_EQ(ws().undo_count(), 2);
}

TEST_F(Keys, WhileTheNewPackageDialogIsOpenTheMainWindowTakesNoKeys) {
    MainWindow& w = open_active();
    NewPackageDialog new_package_dialog(host, &w);
    w.set_forms(&new_package_dialog, nullptr, nullptr);
    ws().use_source(patterned());
    const Package before = ws().target_package().clone();

    press(Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(new_package_dialog.isVisible());
    EXPECT_FALSE(w.isEnabled());
    press(Qt::Key_Insert);
    EXPECT_EQ(ws().target_package(), before);
    EXPECT_EQ(ws().undo_count(), 0);

    QTest::keyClick(&new_package_dialog, Qt::Key_Escape);  // closes like the close box
    EXPECT_FALSE(new_package_dialog.isVisible());
    EXPECT_TRUE(w.isEnabled());
}

// A key the platform keeps for itself (Cmd+Q on macOS) is given up.
TEST(PlatformKeys, ReservedKeyIsGivenUp) {
    const QKeySequence quit(Qt::CTRL | Qt::Key_Q), open(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(command_key(quit, {quit}), QKeySequence());
    EXPECT_EQ(command_key(open, {quit}), open);
}

}  // namespace
