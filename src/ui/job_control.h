// The window's long work: one job at a time on a worker, its gauge, the stop
// by Escape or the stop button, and its commit back on the window's thread.
#pragma once
#include <functional>
#include <memory>

#include "core/job.h"
#include "model/task.h"
#include "ui/exception_barrier.h"

class QAction;
class QProgressBar;
class QWidget;

namespace tilesmith {

class JobRunner;

class JobControl {
public:
    // `command` runs a commit as the window's commands run; `busy(on)` is told
    // when a job starts and, before its commit, when it ends.
    JobControl(QWidget* window, QProgressBar* gauge, Guard guard, Guard command, std::function<void(bool)> busy);
    ~JobControl();

    bool running() const;
    // `work` on a worker thread, its commit and any error back here.
    void start(Job::Work work);
    // A task of the model as a job: its release, then its commit, back here.
    void run(Task task);
    // Asks the job to stop; its end still comes through the commit. `stopping`
    // is told at once, so that the window can say so.
    void cancel();
    void on_stopping(std::function<void()> stopping) { stopping_ = std::move(stopping); }
    // A job that lasts long enough to be noticed: its gauge moves and `lasting`
    // is told (the stop button shows); one that ends sooner shows neither.
    void on_lasting(std::function<void()> lasting);
    // The window closes: stops the job and waits for it. What it did is
    // dropped, unless it was past its point of no return (a file written):
    // then its commit runs, so that what was done is recorded.
    void abandon();

private:
    void ended(Job& job);
    // The document is free again: the task's release, once.
    void release();
    void show_running(bool on);

    QProgressBar* gauge_;
    Guard command_;
    std::function<void(bool)> busy_;
    std::function<void()> stopping_;
    std::function<void()> release_;
    std::unique_ptr<JobRunner> runner_;
    QAction* escape_ = nullptr;
};

}  // namespace tilesmith
