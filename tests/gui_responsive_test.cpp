// The window stays responsive while files are read and written: every file
// command hands its work to a worker and the event loop goes on. The longest
// gap between two turns of the event loop is reported, not judged: speed
// goals live in the benchmarks.
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <iostream>

#include "gui_window_support.h"
#include "support/level_builder.h"
#include "support/test_files.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

// The longest time between two turns of the event loop while it is running.
class GapMeter {
public:
    GapMeter() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { longest_ = std::max(longest_, clock_.restart()); });
        clock_.start();
        timer_.start(0);
    }
    qint64 longest() const { return longest_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

using Responsive = WindowTest;

TEST_F(Responsive, OpenSaveExportDropAndSaveChangesLeaveTheEventLoopRunning) {
    // A package of 64 pages, and a level of as many to export it into.
    constexpr int kPages = 64;
    write_tga(path("large.tga"), 256, 256 * kPages, pattern);
    write_tga(path("small.tga"), 128, 64, pattern);
    write_bytes(path("base.tr2").toStdString(), make_level(LevelSpec(Game::tr2, kPages)).bytes);
    open();
    GapMeter meter;
    host.open_answers = {path("large.tga")};
    trigger("open_target");
    ASSERT_EQ(ws().document().target().height(), 256 * kPages);
    trigger("tx_del");
    host.save_answers = {path("work.png")};
    trigger("save_target_as");
    EXPECT_TRUE(QFile::exists(path("work.png")));
    host.open_answers = {path("base.tr2")};
    host.save_answers = {path("out.tr2")};
    trigger("export_to_level");
    EXPECT_TRUE(QFile::exists(path("out.tr2")));
    // A drop is taken by the file's name; the open's task reads it.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("large.tga"))});
    QWidget* pane = window->findChild<QWidget*>(QStringLiteral("source_pane"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &dropped);
    QCoreApplication::processEvents();
    wait_for_jobs();
    EXPECT_EQ(ws().document().source().height(), 256 * kPages);
    trigger("tx_del");
    host.save_change_answers = {SaveAnswer::save};
    host.open_answers = {path("small.tga")};
    trigger("open_target");
    EXPECT_EQ(ws().document().target().width(), 128) << "saved, then opened";
    EXPECT_TRUE(host.errors.isEmpty() && host.warnings.isEmpty());

    std::cout << "longest gap of the event loop: " << meter.longest() << " ms\n";
    RecordProperty("longest_gap_ms", int(meter.longest()));
}

}  // namespace
