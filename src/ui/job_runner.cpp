// The window's runner of jobs: a worker thread, a timer that polls it.
#include "ui/job_runner.h"

#include <QProgressBar>
#include <filesystem>
#include <stdexcept>

#include "formats/format_registry.h"

namespace tilesmith {

namespace {
// Often enough for a gauge that moves smoothly, seldom enough to cost nothing.
constexpr int kPollMilliseconds = 30;
// A file this small reads, and a package this small writes, in a few
// milliseconds; pictures that pack many pixels into few bytes count smaller.
constexpr std::uintmax_t kSmallFileBytes = 2 << 20, kSmallPictureBytes = 256 << 10;
constexpr long long kSmallPackagePixels = 1 << 20;
}  // namespace

bool is_small_file(const std::string& file) {
    // A file whose size cannot be had is read here: the reader says why it failed.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::string extension = file_extension(file);
    const bool picture = extension == ".png" || extension == ".jpg" || extension == ".jpeg";
    return error || size <= (picture ? kSmallPictureBytes : kSmallFileBytes);
}

bool is_small_package(const Package& package) {
    return (long long)package.width() * package.height() <= kSmallPackagePixels;
}

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
    timer_.start();
}

void JobRunner::cancel() {
    if (job_) job_->cancel();
}

void JobRunner::abandon() {
    timer_.stop();
    job_.reset();
    gauge_->setValue(0);
}

void JobRunner::poll() {
    if (!job_) return;
    show_progress(gauge_, job_->progress());
    if (!job_->done()) return;
    timer_.stop();
    const std::unique_ptr<Job> job = std::move(job_);
    ended_(*job);
}

}  // namespace tilesmith
