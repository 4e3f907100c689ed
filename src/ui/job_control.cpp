// The window's long work: the runner, Escape, and the commit of an ended job.
#include "ui/job_control.h"

#include <QAction>
#include <QProgressBar>
#include <QWidget>

#include "ui/job_runner.h"

namespace tilesmith {

JobControl::JobControl(QWidget* window, QProgressBar* gauge, Guard guard, Guard command,
                       std::function<void(bool)> busy)
    : gauge_(gauge), command_(std::move(command)), busy_(std::move(busy)) {
    runner_ = std::make_unique<JobRunner>(gauge_, [this](Job& job) { ended(job); }, window);
    escape_ = new QAction(window);
    escape_->setObjectName(QStringLiteral("job_escape"));
    escape_->setShortcut(QKeySequence(Qt::Key_Escape));
    escape_->setEnabled(false);
    window->addAction(escape_);
    connect_through(escape_, &QAction::triggered, window, std::move(guard), [this] { cancel(); });
}

// A job still running is stopped and waited for.
JobControl::~JobControl() { runner_.reset(); }

void JobControl::on_lasting(std::function<void()> lasting) { runner_->on_lasting(std::move(lasting)); }

bool JobControl::running() const { return runner_ && runner_->running(); }

void JobControl::start(Job::Work work) {
    runner_->start(std::move(work));
    show_running(true);
}

void JobControl::run(Task task) {
    start(std::move(task.work));
    release_ = std::move(task.release);
}

void JobControl::release() {
    const std::function<void()> release = std::move(release_);
    release_ = nullptr;
    if (release) release();
}

void JobControl::cancel() {
    if (!running()) return;
    runner_->cancel();
    if (stopping_) stopping_();
}

void JobControl::abandon() {
    std::unique_ptr<Job> job = runner_->take();
    if (!job) return;
    const bool stopped = job->cancel();
    show_running(false);
    if (stopped) {
        // Waited for, so that nothing of it outlives the window.
        job.reset();
        release();
        return;
    }
    command_([&] {
        Job::Commit commit;
        try {
            commit = job->result();
        } catch (const Cancelled&) {
        } catch (...) {
            release();
            throw;
        }
        release();
        if (commit) commit();
    });
}

void JobControl::ended(Job& job) {
    // The job has ended: the document is free for its commit, however it ended.
    release();
    show_running(false);
    command_([&] {
        try {
            job.result()();
        } catch (const Cancelled&) {
            // Stopped: nothing was taken into the workspace, nothing to say.
        }
    });
    // Ended, however it ended: the gauge empties.
    gauge_->setValue(0);
}

void JobControl::show_running(bool on) {
    escape_->setEnabled(on);
    busy_(on);
}

}  // namespace tilesmith
