// The two panes and their scroll bars: presses, drags, the wheel, zoom and the
// pixel under the pointer mapped onto the workspace's views, and each pane's
// picture composed from its package, view and options.
#pragma once
#include <QImage>
#include <array>
#include <functional>
#include <optional>
#include <utility>

#include "model/workspace.h"
#include "ui/exception_barrier.h"

class QScrollBar;
class QWidget;

namespace tilesmith {

class PaneView;

class PanePresenter {
public:
    // `command` runs what changes a view as the window's commands run (with
    // the refresh); `guard` runs the rest; `show_pixel` shows the readout of
    // the pixel under the pointer (empty: none).
    PanePresenter(QWidget* client, Workspace& workspace, Guard command, Guard guard,
                  std::function<void(std::function<QString(Language)>)> show_pixel);

    PaneView* pane(Side side) const { return side == Side::source ? panes_[0] : panes_[1]; }
    QScrollBar* scroll_bar(Side side, bool horizontal) const;

    // The scroll bars from the views; the panes repaint when the loop runs empty.
    void sync();
    // The pending repaint, when the event queue has run empty after a change.
    void idle_redraw();
    void request_redraw() { redraw_pending_ = true; }
    // Repaints both panes at once.
    void draw();
    // The composed picture of a pane, as painted.
    QImage image(Side side) { return compose(side).copy(); }
    // Told the tile (column, row) of the package under the pointer, or none.
    void on_pointed_tile(std::function<void(Side, std::optional<std::pair<int, int>>)> listener) {
        pointed_tile_ = std::move(listener);
    }

private:
    const QImage& compose(Side side);
    void hovered(Side side, int x, int y);

    Workspace& workspace_;
    std::function<void(std::function<QString(Language)>)> show_pixel_;
    std::function<void(Side, std::optional<std::pair<int, int>>)> pointed_tile_;
    std::array<PaneView*, 2> panes_{};
    // Per side: horizontal, vertical.
    std::array<std::array<QScrollBar*, 2>, 2> bars_{};
    std::array<QImage, 2> buffers_;
    bool redraw_pending_ = false;
};

}  // namespace tilesmith
