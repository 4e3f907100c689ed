// One language throughout: Qt's own buttons and our error texts follow the
// program's language switch.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "gui_window_support.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class OneLanguage : public WindowTest {
protected:
    // The standard buttons' texts as a message box would show them now.
    static QString button_text(QMessageBox::StandardButton which) {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        return box.button(which)->text().remove(QLatin1Char('&'));
    }
};

TEST_F(OneLanguage, QtsStandardButtonsFollowTheSwitchNotTheDesktop) {
    open();  // no settings yet: Polish
    EXPECT_EQ(button_text(QMessageBox::Yes), QStringLiteral("Tak"));
    EXPECT_EQ(button_text(QMessageBox::No), QStringLiteral("Nie"));
    trigger("language_en");
    EXPECT_EQ(button_text(QMessageBox::Yes), QStringLiteral("Yes"));
    trigger("language_pl");
    EXPECT_EQ(button_text(QMessageBox::No), QStringLiteral("Nie"));
    window.reset();
    EXPECT_EQ(button_text(QMessageBox::Yes), QStringLiteral("Yes")) << "gone with the window";
}

TEST_F(OneLanguage, FileErrorsShowInTheCurrentLanguage) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.tga")));
    open();
    host.open_answers = {path("folder.tga"), path("folder.tga")};
    trigger("open_source");
    trigger("language_en");
    trigger("open_source");
    ASSERT_EQ(host.errors.size(), 2);
    EXPECT_EQ(host.errors[0], QStringLiteral("Nie można otworzyć pliku „%1”: to jest folder").arg(path("folder.tga")));
    EXPECT_EQ(host.errors[1], QStringLiteral("Cannot open \"%1\": it is a folder").arg(path("folder.tga")));
}

// A status text is written again from its words when the language changes.
TEST_F(OneLanguage, AStatusNoteFollowsTheSwitch) {
    open();
    trigger("language_en");
    trigger("remove_duplicates");  // 32 silver tiles: 31 go
    QLabel* note = window->findChild<QLabel*>(QStringLiteral("written_note"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("31 duplicate tiles removed"));
    trigger("language_pl");
    EXPECT_EQ(note->text(), QStringLiteral("Usunięto 31 powtórzonych płytek"));
}

}  // namespace
