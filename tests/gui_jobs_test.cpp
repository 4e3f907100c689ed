// Long work as jobs: what they disable, how Escape stops them, and their errors.
#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/file_io.h"
#include "effects/effect_registry.h"
#include "gui_window_support.h"
#include "model/user_state.h"

using namespace tilesmith;
using namespace tilesmith::test;

namespace {

class Jobs : public WindowTest {
protected:
    // A job held until `latch` opens; it stops at its check points meanwhile.
    Job::Work held(std::function<void()> then = {}) {
        return [this, then](Progress& progress) -> Job::Commit {
            while (!latch) {
                progress.check();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            if (then) then();
            return [this] { committed = true; };
        };
    }
    void wait() {
        while (window->job_running()) QTest::qWait(5);
    }
    std::atomic<bool> latch{false};
    bool committed = false;
};

TEST_F(Jobs, ConflictingCommandsWaitForTheJobAndComeBackAfterIt) {
    open();
    use_target(ws(), patterned());
    window->start_job(ws().document().hand_out(held()));
    for (const char* name : {"open_source", "save_target", "export_to_level", "cut", "tx_add", "tool_add"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("view_zoomin")->isEnabled());
    // The stop button shows once the job has lasted long enough to be noticed.
    auto* stop = window->findChild<QPushButton*>(QStringLiteral("job_stop"));
    EXPECT_FALSE(stop->isVisible());
    for (int i = 0; i < 200 && !stop->isVisible(); ++i) QTest::qWait(5);
    EXPECT_TRUE(stop->isVisible());
    latch = true;
    wait();
    EXPECT_TRUE(committed);
    EXPECT_TRUE(action("save_target")->isEnabled());
    EXPECT_TRUE(action("undo")->isEnabled()) << "the opened target can be undone again";
}

TEST_F(Jobs, EscapeStopsAReadAndAWriteAndNothingChanges) {
    open().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    write_tga(path("large.tga"), 1024, 1024, pattern);
    const Package before = ws().document().source().clone();
    host.open_answers = {path("large.tga")};
    action("open_source")->trigger();
    ASSERT_TRUE(window->job_running());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    wait();
    EXPECT_EQ(ws().document().source(), before);
    EXPECT_FALSE(action("file1")->isVisible());

    wait_for_user_state_writes();  // written aside: on disk before the folder is listed
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    const std::string out = path("written.tga").toStdString();
    window->start_job(ws().document().hand_out(held([out] { write_file_atomic(out, "x", 1); })));
    auto* stop = window->findChild<QPushButton*>(QStringLiteral("job_stop"));
    for (int i = 0; i < 200 && !stop->isVisible(); ++i) QTest::qWait(5);
    stop->click();
    // Acknowledged at once, while the work still runs to its check point.
    EXPECT_EQ(stop->text().toStdString(), text_of(Msg::StoppingJob, ws().language()));
    EXPECT_FALSE(stop->isEnabled());
    latch = true;
    wait();
    EXPECT_FALSE(committed);
    EXPECT_EQ(window->findChild<QProgressBar*>(QStringLiteral("progress_gauge"))->value(), 0) << "the gauge empties";
    wait_for_user_state_writes();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files) << "no file and no temporary left";
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(Jobs, AFailingJobShowsTheErrorBoxAndKeepsThePackage) {
    open();
    QFile f(path("damaged.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(400 * 1024, '\x07'));
    f.close();
    const Package before = ws().document().source().clone();
    host.open_answers = {path("damaged.png")};
    action("open_source")->trigger();
    EXPECT_TRUE(window->job_running());
    wait();
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("damaged.png")));
    EXPECT_EQ(ws().document().source(), before);
}

TEST_F(Jobs, ALargeEffectIsOneUndoStepWithTheRoutinesOwnResult) {
    open();
    // Edges inside the last tiles: a neighbourhood effect sees them as in place.
    use_target(ws(), patterned(500, 1000));
    const Package before = ws().document().target().clone();
    Package direct = before.clone();
    const BoundEffect blur = parse_effect("blur").run;
    CountingProgress quiet;
    blur(direct, EffectArea{0, 0, 512, 1024}, quiet);
    ws().views().select(Side::target, Rect{0, 0, 512, 1024});
    const int steps = int(ws().document().history().undo_count());
    action("blur")->trigger();
    EXPECT_TRUE(window->job_running());
    wait();
    EXPECT_EQ(ws().document().target(), direct);
    EXPECT_EQ(int(ws().document().history().undo_count()), steps + 1);
    ws().edits().undo();
    EXPECT_EQ(ws().document().target(), before);
}

TEST_F(Jobs, ClosingDuringAJobAsksToStopItFirst) {
    open();
    window->start_job(ws().document().hand_out(held()));
    host.question_answers = {false, true};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->job_running());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(committed);
}

}  // namespace
