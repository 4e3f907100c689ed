// Runs one job at a time for the window: starts it on its worker, polls its
// progress onto the gauge, and hands the ended job to the window's thread.
#pragma once
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/job.h"

class QProgressBar;

namespace tilesmith {

// The gauge showing where `progress` stands.
void show_progress(QProgressBar* gauge, const SharedProgress& progress);

class JobRunner {
public:
    // Called on the window's thread once the job has ended; the runner is idle again by then.
    using Ended = std::function<void(Job& job)>;
    JobRunner(QProgressBar* gauge, Ended ended, QObject* parent);
    ~JobRunner();

    bool running() const { return bool(job_); }
    // Starts `work` on a worker; one job at a time.
    void start(Job::Work work);
    // Told once when the running job has lasted long enough to show its gauge.
    void on_lasting(std::function<void()> lasting) { lasting_ = std::move(lasting); }
    // Asks the job to stop; its end still comes through `ended`.
    void cancel();
    // The running job, no longer polled nor handed over (the window closes).
    std::unique_ptr<Job> take();

private:
    void poll();
    QProgressBar* gauge_;
    Ended ended_;
    std::function<void()> lasting_;
    QTimer timer_;
    QElapsedTimer started_;
    bool shown_ = false;
    std::unique_ptr<Job> job_;
};

}  // namespace tilesmith
