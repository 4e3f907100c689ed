// The Edit menu names the step it undoes; the history panel lists the steps
// and jumps to any of them.
#include <QDockWidget>
#include <QListWidget>
#include <QTest>

#include "gui_window_support.h"

namespace tilesmith::test {
namespace {

class History : public WindowTest {};

TEST_F(History, UndoAndRedoNameTheirStepInBothLanguages) {
    open();
    trigger("rotate90");
    EXPECT_EQ(action("undo")->text(), QString::fromUtf8("&Cofnij: Obróć o 90° w lewo"));
    EXPECT_EQ(action("tool_undo")->toolTip(), QString::fromUtf8("Cofnij: Obróć o 90° w lewo"));
    trigger("language_en");
    EXPECT_EQ(action("undo")->text(), QStringLiteral("&Undo Rotate 90° anticlockwise"));
    trigger("undo");
    EXPECT_EQ(action("redo")->text(), QStringLiteral("&Redo Rotate 90° anticlockwise"));
    EXPECT_EQ(action("undo")->text(), QStringLiteral("&Undo"));
}

TEST_F(History, ThePanelJumpsToAStepAndTheSavedMarkFollows) {
    open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    trigger("view_history");
    auto* list = window->findChild<QListWidget*>(QStringLiteral("history_list"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(window->findChild<QDockWidget*>(QStringLiteral("history_panel"))->isVisible());
    trigger("tx_del");
    trigger("tx_add");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Dodaj"));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(window->isWindowModified());

    const auto click_row = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    click_row(0);
    EXPECT_EQ(int(ws().document().history().undo_count()), 0);
    EXPECT_FALSE(window->isWindowModified()) << "back at the state nothing changed";
    EXPECT_TRUE(list->item(0)->text().contains(entry(int(Msg::HistorySaved)).section(QStringLiteral("%1"), 1)));
    click_row(2);
    EXPECT_EQ(int(ws().document().history().undo_count()), 2);
    EXPECT_TRUE(window->isWindowModified());
}

}  // namespace
}  // namespace tilesmith::test
