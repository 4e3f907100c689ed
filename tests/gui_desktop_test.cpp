// Habits of a desktop editor, through Qt's own event paths: the wheel over the
// panes, files dropped on the window, unsaved work at close and open, the
// dialogs' folders, the note about a written file and the full gauge.
#include <memory>

#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>

#include "gui_window_support.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class Desktop : public WindowTest {
protected:
    QWidget* widget(const char* name) {
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QScrollBar* bar(const char* name) { return window->findChild<QScrollBar*>(QString::fromLatin1(name)); }

    // DragEnter then Drop at `at` of `w`, as the window system delivers them;
    // true when the window took the drag. The open runs once the drop is over.
    // The drop owns the data, as a drag does.
    bool drop(QWidget* w, QPoint at, QMimeData* data) {
        const std::unique_ptr<QMimeData> owned(data);
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        const bool taken = enter.isAccepted();
        QDropEvent dropped(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &dropped);
        QCoreApplication::processEvents();
        wait_for_jobs();
        return taken;
    }
    static QMimeData* files(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data->setUrls(urls);
        return data;
    }
    // The close box: true when the window agreed to close, at once or once
    // the save it asked for has written the target.
    bool request_close() {
        QCloseEvent close;
        QApplication::sendEvent(window.get(), &close);
        if (close.isAccepted()) return true;
        wait_for_jobs();
        QCoreApplication::processEvents();
        return !window->isVisible();
    }
    void change_target() { trigger("tx_del"); }
};

struct WheelCase {
    const char* name;
    QPoint angle;
    Qt::KeyboardModifiers modifiers;
    int h, v;  // the target pane's scroll offset afterwards, in package pixels
    int zoom = 1;
};

class Wheel : public Desktop, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(Wheel, ScrollsThePaneUnderThePointerByWholeTiles) {
    const WheelCase& c = GetParam();
    // 12 x 20 tiles: columns and rows beyond the pane.
    write_tga(path("wide.tga"), 12 * 64, 20 * 64, pattern);
    open();
    host.open_answers = {path("wide.tga")};
    trigger("open_target");
    bar("target_horizontal_bar")->setValue(2 * 64);
    bar("target_vertical_bar")->setValue(5 * 64);
    QWidget* pane = widget("target_pane");
    const QPointF at(100, 100);
    QWheelEvent wheel(at, pane->mapToGlobal(at), QPoint(), c.angle, Qt::NoButton, c.modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane, &wheel);
    const View& v = ws().view(Side::target);
    EXPECT_EQ(v.scroll_x(), c.h);
    EXPECT_EQ(v.scroll_y(), c.v);
    EXPECT_EQ(v.zoom(), c.zoom);
    EXPECT_EQ(bar("target_horizontal_bar")->value(), c.h);
    EXPECT_EQ(bar("target_vertical_bar")->value(), c.v);
    EXPECT_EQ(ws().view(Side::source).scroll_y(), 0) << "the other pane stays";
}

INSTANTIATE_TEST_SUITE_P(
    Notches, Wheel,
    ::testing::Values(WheelCase{"down", {0, -120}, Qt::NoModifier, 128, 384},
                      WheelCase{"up_two", {0, 240}, Qt::NoModifier, 128, 192},
                      WheelCase{"half_notch", {0, -60}, Qt::NoModifier, 128, 320},
                      WheelCase{"shift_down", {0, -120}, Qt::ShiftModifier, 192, 320},
                      WheelCase{"horizontal_left", {120, 0}, Qt::NoModifier, 64, 320},
                      WheelCase{"past_the_end", {0, -120 * 20}, Qt::NoModifier, 128, 768},
                      // Zoom keeps the pixel under the pointer (99, 99 inside the bevel) in place.
                      WheelCase{"ctrl_zoom_in", {0, 120}, Qt::ControlModifier, 128 + 99 - 49, 320 + 99 - 49, 2},
                      WheelCase{"ctrl_zoom_out_at_1x", {0, -120}, Qt::ControlModifier, 128, 320, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct DropCase {
    const char* name;
    const char* widget;
    QPoint at;
    bool as_target;
};

class Drop : public Desktop, public ::testing::WithParamInterface<DropCase> {};

TEST_P(Drop, OpensTheFileAsTheOpenCommandsDo) {
    const DropCase& c = GetParam();
    write_tga(path("dropped.tga"), 128, 64, pattern);
    open();
    EXPECT_TRUE(drop(widget(c.widget), c.at, files({path("dropped.tga")})));
    const Package& opened = c.as_target ? ws().document().target() : ws().document().source();
    const Package& other = c.as_target ? ws().document().source() : ws().document().target();
    EXPECT_EQ(opened.width(), 128);
    EXPECT_EQ(opened.pixel(5, 7), pattern(5, 7));
    EXPECT_EQ(other.width(), 256);
    EXPECT_EQ(action("file1")->text(), shown_path("dropped.tga"));
    EXPECT_EQ(window->panel_text(c.as_target ? 4 : 1), QStringLiteral("128 x 64"));
    EXPECT_TRUE(host.open_filters.isEmpty()) << "no dialog";
}

INSTANTIATE_TEST_SUITE_P(
    Places, Drop,
    ::testing::Values(DropCase{"target_pane", "target_pane", {100, 100}, true},
                      DropCase{"source_pane", "source_pane", {100, 100}, false},
                      DropCase{"tool_bar", "tool_bar", {5, 5}, false},
                      DropCase{"status_bar", "status_bar", {200, 5}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Desktop, DropsOfOtherThingsAreRefusedAndChangeNothing) {
    write_tga(path("dropped.tga"), 128, 64, pattern);
    QFile(path("notes.txt")).open(QIODevice::WriteOnly);
    open();
    auto* text = new QMimeData;
    text->setText(path("dropped.tga"));
    auto* web = new QMimeData;
    web->setUrls({QUrl(QStringLiteral("https://example.org/dropped.tga"))});
    for (QMimeData* data : {text, web, files({path("notes.txt")})}) {
        EXPECT_FALSE(drop(widget("source_pane"), {100, 100}, data));
    }
    EXPECT_EQ(ws().document().source().width(), 256);
    EXPECT_FALSE(action("file1")->isVisible());
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(Desktop, DroppedFileThatFailsShowsTheErrorAsOpenDoes) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.tga")));
    open();
    drop(widget("target_pane"), {50, 50}, files({path("folder.tga")}));
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_EQ(ws().document().target().width(), 256);
}

TEST_F(Desktop, CaptionMarksUnsavedWorkUntilItIsSaved) {
    open();
    EXPECT_FALSE(window->isWindowModified());
    change_target();
    EXPECT_TRUE(window->isWindowModified());
    host.save_answers = {path("saved.tga")};
    trigger("save_target");
    EXPECT_FALSE(window->isWindowModified());
    change_target();
    trigger("undo");
    EXPECT_FALSE(window->isWindowModified()) << "undone back to the saved state";
}

TEST_F(Desktop, ClosingWithoutChangesAsksNothing) {
    open();
    trigger("tx_add");
    trigger("undo");
    EXPECT_TRUE(request_close());
    EXPECT_TRUE(host.save_questions.isEmpty());
    EXPECT_TRUE(QFile::exists(path("config.dat")));
}

TEST_F(Desktop, CancelAtCloseKeepsTheWindowAndTheWork) {
    open();
    change_target();
    const Package work = ws().document().target().clone();
    host.save_change_answers = {SaveAnswer::cancel};
    trigger("exit");  // "Zakończ" goes the same way as the close box
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(host.save_questions, QStringList{entry(int(Msg::SaveChangesQuestion))});
    EXPECT_EQ(ws().document().target(), work);
    EXPECT_TRUE(ws().available(Operation::undo));
    EXPECT_FALSE(QFile::exists(path("config.dat"))) << "written only when the window closes";
}

TEST_F(Desktop, SaveAtCloseWritesTheTargetThenTheSettings) {
    open();
    change_target();
    host.save_change_answers = {SaveAnswer::save};
    host.save_answers = {path("work.bmp")};
    EXPECT_TRUE(request_close());
    EXPECT_TRUE(QFile::exists(path("work.bmp")));
    EXPECT_TRUE(QFile::exists(path("config.dat")));
}

TEST_F(Desktop, SaveAtCloseThatIsCancelledKeepsTheWindowOpen) {
    open();
    change_target();
    host.save_change_answers = {SaveAnswer::save};  // then no name in the save dialog
    EXPECT_FALSE(request_close());
    EXPECT_TRUE(ws().document().modified());
}

TEST_F(Desktop, DiscardAtCloseClosesWithTheSettingsWritten) {
    open();
    trigger("language_en");
    change_target();
    host.save_change_answers = {SaveAnswer::discard};
    EXPECT_TRUE(request_close());
    EXPECT_EQ(host.save_questions, QStringList{QStringLiteral("Save changes?")});
    EXPECT_TRUE(QFile::exists(path("config.dat")));
}

// Undo brings back the work an opened target replaced: nothing is asked.
TEST_F(Desktop, ReplacingUnsavedTargetAsksNothingAndUndoBringsTheWorkBack) {
    write_tga(path("other.tga"), 128, 64, pattern);
    open();
    change_target();
    const Package work = ws().document().target().clone();
    host.open_answers = {path("other.tga")};
    trigger("open_target");
    EXPECT_EQ(ws().document().target().width(), 128);
    EXPECT_FALSE(window->isWindowModified());
    trigger("undo");
    EXPECT_EQ(ws().document().target(), work);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(host.save_questions.isEmpty() && host.questions.isEmpty());
}

TEST_F(Desktop, EachDialogStartsWhereItChoseLastAlsoInTheNextRun) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("sources")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("saves")));
    write_tga(path("sources/a.tga"), 64, 64, pattern);
    open();
    host.open_answers = {path("sources/a.tga")};
    trigger("open_source");
    host.save_answers = {path("saves/b.tga")};
    trigger("save_target_as");
    window.reset();  // the next run

    open();
    trigger("open_source");
    trigger("save_target_as");
    EXPECT_EQ(host.open_folders.last(), path("sources"));
    EXPECT_EQ(host.save_folders.last(), path("saves"));
    trigger("open_target");
    EXPECT_NE(host.open_folders.last(), path("sources")) << "the target dialog keeps its own folder";
}

TEST_F(Desktop, SaveNotesTheFileBrieflyOverTheSizes) {
    open();
    host.save_answers = {path("note.tga")};
    trigger("save_target_as");
    auto* note = window->findChild<QLabel*>(QStringLiteral("written_note"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Zapisano: note.tga"));
    EXPECT_TRUE(widget("progress_gauge")->isVisible());
    const QWidget* gauge = widget("progress_gauge");
    EXPECT_FALSE(QRect(note->mapTo(window.get(), QPoint()), note->size())
                     .intersects(QRect(gauge->mapTo(window.get(), QPoint()), gauge->size())));
    // The moment passes: the sizes are back.
    auto* timer = window->findChild<QTimer*>(QStringLiteral("note_timer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(note->isVisible());
}

TEST_F(Desktop, GaugeEmptiesWhenALoadEnds) {
    write_tga(path("tiny.tga"), 64, 64, pattern);
    open();
    host.open_answers = {path("tiny.tga")};
    trigger("open_source");
    auto* gauge = window->findChild<QProgressBar*>(QStringLiteral("progress_gauge"));
    EXPECT_EQ(gauge->value(), 0);
}

}  // namespace

namespace {

TEST_F(Desktop, PngWithHolesOpensMagentaAndSavesTransparent) {
    QImage holes(64, 64, QImage::Format_ARGB32);
    holes.fill(qRgba(10, 20, 30, 255));
    holes.setPixel(5, 6, qRgba(10, 20, 30, 0));
    ASSERT_TRUE(holes.save(path("holes.png")));
    open();
    host.open_answers = {path("holes.png")};
    trigger("open_source");
    EXPECT_EQ(ws().document().source().pixel(5, 6), kTransparent);
    EXPECT_EQ(ws().document().source().pixel(7, 6), pack_rgb(10, 20, 30));
    EXPECT_EQ(action("file1")->text(), shown_path("holes.png"));

    trigger("tx_add");
    host.save_answers = {path("saved.png")};
    trigger("save_target_as");
    const QImage saved(path("saved.png"));
    EXPECT_EQ(qAlpha(saved.pixel(5, 6)), 0);
    EXPECT_EQ(saved.pixel(7, 6), qRgba(10, 20, 30, 255));
    EXPECT_TRUE(host.errors.isEmpty());
}

}  // namespace
