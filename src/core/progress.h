// The progress interface of long operations: reset with a maximum, then step;
// a job's progress also carries the request to stop.
#pragma once
#include <atomic>
#include <exception>

namespace tilesmith {

// Thrown at a check point of a job that was asked to stop. Not an Error: it is
// no failure, and nothing shows it.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

class Progress {
public:
    virtual ~Progress() = default;
    // Position 0, maximum `maximum`.
    virtual void reset(int maximum) = 0;
    // Position + 1, held at the maximum. Also a check point: it may throw
    // Cancelled, so a step comes only where the work may end.
    virtual void step() = 0;
    // The work was asked to stop.
    virtual bool cancelled() const { return false; }
    // A check point without a step.
    void check() const {
        if (cancelled()) throw Cancelled();
    }
};

// For callers that show no progress; also counts, which tests read back.
// Steps may come from two threads at once (an export's compression threads).
class CountingProgress : public Progress {
public:
    void reset(int maximum) override { maximum_ = maximum; position_ = 0; ++resets_; }
    void step() override { if (position_ < maximum_) ++position_; ++steps_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    int steps() const { return steps_; }
    int resets() const { return resets_; }
private:
    std::atomic<int> maximum_{100}, position_{0}, steps_{0}, resets_{0};
};

// The progress of work on other threads, read by the window's thread: every
// member may be called from any thread. Once asked to stop, every step and
// check throws Cancelled, until the work passes its point of no return (a
// file about to replace another): from then on it can no longer be stopped.
class SharedProgress : public Progress {
public:
    void reset(int maximum) override;
    void step() override;
    bool cancelled() const override { return state_.load() == State::cancelled; }

    int maximum() const { return maximum_.load(); }
    int position() const { return position_.load(); }
    // How far the work is, in thousandths: never less than it was once shown,
    // though a later phase resets the position.
    int permille() const;
    // Asks the work to stop; false when it is past its point of no return.
    bool cancel();
    // The point of no return: throws Cancelled when the stop came first.
    void pass_point_of_no_return();

private:
    enum class State { running, cancelled, committed };
    std::atomic<int> maximum_{1}, position_{0};
    mutable std::atomic<int> shown_{0};
    std::atomic<State> state_{State::running};
};

// A share of another progress: from `from` to `to` of `whole`, which the
// owner has reset to a maximum of at least `to`. Each phase of the work
// given this share fills it anew, but `whole` only ever moves forward; a stop
// asked of `whole` stops the work here. Steps may come from two threads.
class ProgressShare : public Progress {
public:
    ProgressShare(Progress& whole, int from, int to) : whole_(whole), to_(to), from_(from), done_(from) {}
    void reset(int maximum) override;
    void step() override;
    bool cancelled() const override { return whole_.cancelled(); }

private:
    Progress& whole_;
    const int to_, from_;
    std::atomic<int> maximum_{1}, position_{0}, done_;
};

// The SharedProgress of the job this thread runs, if any: a file that is
// about to replace another asks it (through point_of_no_return) once more.
class JobThreadScope {
public:
    explicit JobThreadScope(SharedProgress& progress);
    ~JobThreadScope();
    JobThreadScope(const JobThreadScope&) = delete;
    JobThreadScope& operator=(const JobThreadScope&) = delete;

private:
    SharedProgress* previous_;
};
// Throws Cancelled when this thread's job was asked to stop, and otherwise
// makes sure it can no longer be; nothing outside a job.
void point_of_no_return();

}  // namespace tilesmith
