// The status-bar gauge as the progress of long operations.
#pragma once
#include "core/progress.h"

class QProgressBar;

namespace tilesmith {

// reset() and every step that changes the bar's picture repaint it at once:
// long operations run inside their command without returning to the event
// loop, and the gauge is all they show.
class GaugeProgress : public Progress {
public:
    explicit GaugeProgress(QProgressBar* bar) : bar_(bar) {}
    void reset(int maximum) override;
    void step() override;

private:
    QProgressBar* bar_;
};

}  // namespace tilesmith
