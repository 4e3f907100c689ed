// The window's new questions and warnings, through its real actions: a JPEG
// save that would lose the transparent colour, a file read with rows
// missing, an export base no exporter takes, what is kept for the next run, and
// at most one question from a command that replaces work.
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>

#include "ui/dialogs/new_package_dialog.h"

#include "gui_window_support.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class Questions : public WindowTest {};

TEST_F(Questions, JpegSaveOfTransparentPixelsAsksAndCancelWritesNothing) {
    open();
    change_target(ws(), [](Package& p) { p.fill_rect(0, 0, 8, 8, kTransparent); });
    for (const bool go : {false, true}) {
        host.question_answers = {go};
        host.save_answers = {path("out.jpg")};
        trigger("save_target_as");
        EXPECT_TRUE(host.questions.last().contains(QStringLiteral("64"))) << "it counts the pixels that change";
        EXPECT_EQ(QFile::exists(path("out.jpg")), go);
    }
    // The next Save As starts on the type saved last, also in the next run.
    window.reset();
    open();
    host.save_answers = {};
    trigger("save_target_as");
    EXPECT_TRUE(host.save_selected.last().contains(QStringLiteral("*.jpg")));
}

TEST_F(Questions, AShortTgaOpensWithMagentaRowsAndAWarningThatNamesIt) {
    write_tga(path("short.tga"), 64, 64, pattern);
    QFile f(path("short.tga"));
    ASSERT_TRUE(f.resize(18 + 64 * 3 * 40));  // 24 of 64 rows cut away (rows are stored bottom-up)
    open();
    host.open_answers = {path("short.tga")};
    trigger("open_source");
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].contains(path("short.tga")));
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("24")));
    EXPECT_EQ(ws().document().source().pixel(0, 0), kTransparent);
    EXPECT_EQ(ws().document().source().pixel(0, 63), pattern(0, 63));
    // The recent list is kept for the next run.
    window.reset();
    open();
    EXPECT_TRUE(action("file1")->isVisible());
}

TEST_F(Questions, ExportIntoABaseNoExporterTakesIsRefusedBeforeTheOutputDialog) {
    std::ofstream(path("notes.txt").toStdString()) << "not a level";
    open();
    host.open_answers = {path("notes.txt")};
    trigger("export_to_level");
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].contains(path("notes.txt")));
    EXPECT_TRUE(host.save_filters.isEmpty());
}

// Over unsaved work an undo step asks nothing, one too large for the history
// (over 256 MiB) asks that alone, closing asks "Save changes?" alone.
TEST_F(Questions, ACommandThatReplacesWorkAsksAtMostOneQuestion) {
    write_tga(path("other.tga"), 128, 64, pattern);
    open();
    NewPackageDialog new_package(host, window.get());
    window->set_forms(&new_package, nullptr, nullptr);
    new_package.modify_box->setChecked(true);
    const std::function<void()> ok = [&] { new_package.make_package->click(), new_package.close(); };
    const struct { const char* action; std::function<void()> then; int asked, asked_of_huge; } commands[] = {
        {"tx_copy", {}, 0, 1},          {"new_package", ok, 0, 1}, {"remove_duplicates", {}, 0, 1},
        {"paste_from_clipboard", {}, 0, 0}, {"open_target", {}, 0, 1},   {"exit", {}, 1, 1},
    };
    for (const bool huge : {false, true}) {
        if (huge) ws().edits().use_target(Package(8192, 11008, kBlack));
        for (const auto& c : commands) {
            SCOPED_TRACE(std::string(c.action) + (huge ? ", huge" : ""));
            trigger("tx_del");
            QGuiApplication::clipboard()->setImage(QImage(64, 64, QImage::Format_RGB32));
            host.open_answers = {path("other.tga")};
            host.save_change_answers = {SaveAnswer::cancel};
            host.questions = host.save_questions = {};
            const std::size_t steps = ws().document().history().undo_count();
            trigger(c.action);
            if (c.then) c.then();
            const int asked = int(host.questions.size() + host.save_questions.size());
            EXPECT_EQ(asked, huge ? c.asked_of_huge : c.asked);
            const bool taken = ws().document().history().undo_count() > steps;
            EXPECT_EQ(taken, asked == 0);
            if (taken) trigger("undo");
        }
    }
}

}  // namespace
