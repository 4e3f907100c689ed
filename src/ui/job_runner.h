// Runs one job at a time for the window: starts it on its worker, polls its
// progress onto the gauge, and hands the ended job to the window's thread.
#pragma once
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/job.h"
#include "core/package.h"

class QProgressBar;

namespace tilesmith {

// Work that may still run here and now: it ends before anyone could tell.
constexpr long long kSmallEffectTiles = 16;
bool is_small_file(const std::string& file);
bool is_small_package(const Package& package);

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
    // Stops the job, waits for it and drops whatever it did (the window closes).
    void abandon();

private:
    void poll();
    QProgressBar* gauge_;
    Ended ended_;
    QTimer timer_;
    std::unique_ptr<Job> job_;
};

}  // namespace tilesmith
