// MainWindow's long work: jobs on a worker thread, the stop button and Escape,
// and the commands a running job disables.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "formats/dispatch.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/job_runner.h"
#include "ui/main_window.h"

namespace tilesmith {

namespace {

// The menus whose commands read or change the packages, the files or the history.
constexpr const char* kConflictingMenus[] = {"plik", "edycja", "tx", "ef"};

void disable_menu(QMenu* menu, std::vector<QAction*>& disabled) {
    for (QAction* action : menu->actions()) {
        if (action->menu()) disable_menu(action->menu(), disabled);
        // Exit stays: closing asks to stop the job first.
        if (action->isSeparator() || !action->isEnabled() || action->objectName() == QLatin1String("plik_end"))
            continue;
        action->setEnabled(false);
        disabled.push_back(action);
    }
}

}  // namespace

void MainWindow::build_job_controls() {
    jobs_ = std::make_unique<JobRunner>(progress_gauge_, [this](Job& job) { job_ended(job); }, this);
    job_stop_ = new QPushButton(text(Msg::StopJob), stat_);
    job_stop_->setObjectName(QStringLiteral("job_stop"));
    job_stop_->move(progress_gauge_->geometry().right() + 4, 1);
    fit_job_stop();
    job_stop_->setFocusPolicy(Qt::NoFocus);
    job_stop_->hide();
    connect_guarded(job_stop_, &QPushButton::clicked, [this] { jobs_->cancel(); });
    job_escape_ = new QAction(this);
    job_escape_->setObjectName(QStringLiteral("job_escape"));
    job_escape_->setShortcut(QKeySequence(Qt::Key_Escape));
    job_escape_->setEnabled(false);
    addAction(job_escape_);
    connect_guarded(job_escape_, &QAction::triggered, [this] { jobs_->cancel(); });
}

void MainWindow::fit_job_stop() {
    // Never narrower: a look whose buttons ask for less may be switched off again.
    job_stop_->resize(std::max(job_stop_->width(), job_stop_->sizeHint().width()), 18);
}

bool MainWindow::job_running() const { return jobs_ && jobs_->running(); }

void MainWindow::start_job(Job::Work work) {
    jobs_->start(std::move(work));
    show_job_running(true);
}

void MainWindow::run_job(Job::Work work, bool small) {
    if (!small) {
        start_job(std::move(work));
        return;
    }
    SharedProgress progress;
    const Job::Commit commit = work(progress);
    commit();
    show_progress(progress_gauge_, progress);
}

void MainWindow::job_ended(Job& job) {
    show_job_running(false);
    run([&] {
        try {
            job.result()();
        } catch (const Cancelled&) {
            // Stopped: nothing was taken into the workspace, nothing to say.
            progress_gauge_->setValue(0);
        }
    });
}

void MainWindow::show_job_running(bool on) {
    if (on) {
        for (const char* name : kConflictingMenus)
            if (auto* menu = menuBar()->findChild<QMenu*>(QLatin1String(name))) disable_menu(menu, job_disabled_);
        for (const Tool& t : tools_)
            if (t.tool->isEnabled()) {
                t.tool->setEnabled(false);
                job_disabled_.push_back(t.tool);
            }
    } else {
        for (QAction* action : job_disabled_) action->setEnabled(true);
        job_disabled_.clear();
    }
    // The new/modify dialog changes the target too.
    if (filenew_) filenew_->setEnabled(!on);
    job_stop_->setVisible(on);
    job_escape_->setEnabled(on);
    setAcceptDrops(!on);
    sync_undo();
}

void MainWindow::write_target(const std::string& file, bool small, std::function<void(bool written)> done) {
    // The job writes a copy: the target stays the window's alone.
    run_job(
        [file, done = std::move(done), target = workspace_.target_snapshot()](Progress& progress) -> Job::Commit {
            const bool written = write_package(file, *target, progress);
            return [done, written] { done(written); };
        },
        small);
}

}  // namespace tilesmith
