// What the window tells instead of losing work quietly: saves under an
// extension no writer takes, settings that can be written nowhere, errors
// that name their file; and recent items that survive a change of folder.
#include <QDir>
#include <QFileInfo>

#include "gui_window_support.h"
#include "model/user_state.h"
#include "strings/messages.h"
#include "support/level_builder.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class NothingLost : public WindowTest {};

TEST_F(NothingLost, SaveUnderAnExtensionNoWriterTakesSaysSoInTheCurrentLanguage) {
    const struct {
        const char* file;
        const char* language;
        bool written;
    } cases[] = {
        {"tex.gif", "language_pl", false},
        {"tex.TIF", "language_en", false},
        {"tex", "language_en", false},
        {"tex.jpeg", "language_en", true},
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        host.warnings.clear();
        trigger(c.language);
        host.save_answers = {path(c.file)};
        trigger("save_target_as");
        EXPECT_EQ(QFile::exists(path(c.file)), c.written);
        if (c.written) {
            EXPECT_TRUE(host.warnings.isEmpty());
            continue;
        }
        ASSERT_EQ(host.warnings.size(), 1);
        const int english = QString::fromLatin1(c.language) == QStringLiteral("language_en");
        EXPECT_TRUE(host.warnings[0].startsWith(entry(int(Msg::ExtensionNotWritten) + english).section('%', 0, 0)));
        EXPECT_TRUE(host.warnings[0].contains(QStringLiteral(".tga, .bmp, .jpg, .jpeg"))) << host.warnings[0].toStdString();
    }
    // The per-user state is written aside; once it is on disk, nothing else is there.
    wait_for_user_state_writes();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("state.txt"), QStringLiteral("tex.jpeg")}));
}

TEST_F(NothingLost, SettingsThatCanBeWrittenNowhereAreToldOnce) {
    // Folders below a plain file cannot exist, not even for root.
    QFile blocker(path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    window = std::make_unique<MainWindow>(path("blocker") + QStringLiteral("/program"), host);
    window->set_user_config_dir(path("blocker") + QStringLiteral("/user"));
    window->show();
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_EQ(host.warnings[0], entry(int(Msg::SettingsCannotBeSaved)));
    window->close();
    EXPECT_EQ(host.warnings.size(), 1) << "told once";
}

TEST_F(NothingLost, ErrorBoxNamesTheFileAlsoForFixedTexts) {
    // A level whose empty block cannot fill its two pages.
    write_bytes(path("empty.tr4").toStdString(), tr4_from_streams(2 * 262144, {}, 0, {}, {}));
    open();
    host.open_answers = {path("empty.tr4")};
    trigger("open_source");
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(path("empty.tr4"))) << host.errors[0].toStdString();
    EXPECT_TRUE(host.errors[0].contains(entry(int(Msg::ZlibStreamOverrun))) ||
                host.errors[0].contains(entry(int(Msg::ZlibStreamOverrun) + 1)));
}

TEST_F(NothingLost, RecentItemsKeepAbsolutePathsForRelativeCommandLineNames) {
    write_tga(path("rel.tga"), 64, 64, pattern);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    open({QStringLiteral("./rel.tga")});
    QDir::setCurrent(before);
    ASSERT_EQ(ws().files().recent().entries().size(), 1u);
    EXPECT_EQ(QString::fromStdString(ws().files().recent().entries()[0]), QDir::toNativeSeparators(QFileInfo(path("rel.tga")).absoluteFilePath()));
}

}  // namespace
