// The status-bar gauge as the progress of long operations.
#include "ui/progress.h"

#include <QProgressBar>
#include <algorithm>

namespace tilesmith {

void GaugeProgress::reset(int maximum) {
    // A range of 0..0 would turn the bar into a busy indicator; an operation
    // without steps shows an empty bar instead.
    bar_->setRange(0, std::max(maximum, 1));
    bar_->setValue(0);
    bar_->repaint();
}

void GaugeProgress::step() {
    // The bar repaints itself at once whenever the step changes what it shows;
    // painting it again at every step would only double the cost.
    bar_->setValue(std::min(bar_->value() + 1, bar_->maximum()));
}

}  // namespace tilesmith
