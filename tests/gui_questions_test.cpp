// The window's new questions and warnings, through its real actions: a JPEG
// save that would lose the transparent colour, a file read with rows
// missing, an export base no exporter takes, and what is kept for the next run.
#include <QFile>

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
    EXPECT_EQ(ws().source_package().pixel(0, 0), kTransparent);
    EXPECT_EQ(ws().source_package().pixel(0, 63), pattern(0, 63));
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

}  // namespace
