// The window's runner of jobs: a worker thread, a timer that polls it.
#include "ui/job_runner.h"

#include <QProgressBar>
#include <stdexcept>

namespace tilesmith {

namespace {
// Often enough for a gauge that moves smoothly and a quick job's end taken
// at once, seldom enough to cost nothing.
constexpr int kPollMilliseconds = 15;
// A job that ends sooner is not shown at all: no gauge, no stop button.
constexpr int kShowAfterMilliseconds = 300;
}  // namespace

void show_progress(QProgressBar* gauge, const SharedProgress& progress) {
    // In thousandths, which never go back when the work starts a new phase.
    gauge->setRange(0, 1000);
    gauge->setValue(progress.permille());
}

JobRunner::JobRunner(QProgressBar* gauge, Ended ended, QObject* parent)
    : gauge_(gauge), ended_(std::move(ended)), timer_(parent) {
    timer_.setInterval(kPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, parent, [this] { poll(); });
}

JobRunner::~JobRunner() = default;

void JobRunner::start(Job::Work work) {
    if (job_) throw std::logic_error("a job is already running");
    gauge_->setRange(0, 1);
    gauge_->setValue(0);
    job_ = std::make_unique<Job>(std::move(work));
    started_.start();
    shown_ = false;
    timer_.start();
}

void JobRunner::cancel() {
    if (job_) job_->cancel();
}

std::unique_ptr<Job> JobRunner::take() {
    timer_.stop();
    gauge_->setValue(0);
    return std::move(job_);
}

void JobRunner::poll() {
    if (!job_) return;
    if (!shown_ && !job_->done() && started_.elapsed() >= kShowAfterMilliseconds) {
        shown_ = true;
        if (lasting_) lasting_();
    }
    if (shown_) show_progress(gauge_, job_->progress());
    if (!job_->done()) return;
    timer_.stop();
    const std::unique_ptr<Job> job = std::move(job_);
    ended_(*job);
}

}  // namespace tilesmith
