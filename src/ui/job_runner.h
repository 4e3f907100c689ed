// Runs one job at a time for the window: starts it on its worker, polls its
// progress onto the gauge, and hands the ended job to the window's thread.
#pragma once
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
    // Asks the job to stop; its end still comes through `ended`.
    void cancel();
    // The running job, no longer polled nor handed over (the window closes).
    std::unique_ptr<Job> take();

private:
    void poll();
    QProgressBar* gauge_;
    Ended ended_;
    QTimer timer_;
    std::unique_ptr<Job> job_;
};

}  // namespace tilesmith
