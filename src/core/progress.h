// The progress interface of long operations: reset with a maximum, then step.
#pragma once

namespace tilesmith {

class Progress {
public:
    virtual ~Progress() = default;
    // Position 0, maximum `maximum`.
    virtual void reset(int maximum) = 0;
    // Position + 1, held at the maximum; shown at once.
    virtual void step() = 0;
};

// For callers that show no progress; also counts, which tests read back.
class CountingProgress : public Progress {
public:
    void reset(int maximum) override { maximum_ = maximum; position_ = 0; ++resets_; }
    void step() override { if (position_ < maximum_) ++position_; ++steps_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    int steps() const { return steps_; }
    int resets() const { return resets_; }
private:
    int maximum_ = 100, position_ = 0, steps_ = 0, resets_ = 0;
};

}  // namespace tilesmith
