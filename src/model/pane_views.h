// The views of the two panes: what part of each package shows, at what zoom,
// what is selected and marked, and which pane was clicked last. The views
// never change a package; they follow the document's sizes.
#pragma once
#include "core/package.h"
#include "model/view.h"

namespace tilesmith {

// The two panes: the source on the left, the target on the right.
enum class Side { source = 1, target = 2 };

struct ScenePick;
class LevelScene;

class PaneViews {
public:
    PaneViews(const Package& source, const Package& target);

    const View& view(Side side) const { return side == Side::source ? source_ : target_; }
    View& view(Side side) { return side == Side::source ? source_ : target_; }
    // The pane the arrow keys and the zoom commands act on.
    Side last_clicked() const { return last_clicked_; }

    // Screen points are pixels of a pane's picture, 0,0 its top-left.
    void set_viewport(Side side, int width, int height) { view(side).set_viewport(width, height); }
    bool press(Side side, MouseButton button, int sx, int sy, bool extend = false);
    bool drag(Side side, int sx, int sy) { return view(side).drag(sx, sy); }
    // Arrow keys: the last clicked pane's selection by whole tiles.
    bool move_selection(int columns, int rows, bool extend) { return view(last_clicked_).move(columns, rows, extend); }
    bool scroll_to(Side side, int x, int y) { return view(side).scroll_to(x, y); }
    // Wheel notches (+ up, + left): a tile of the screen each.
    bool scroll_notches(Side side, int vertical, int horizontal);
    // Ctrl+wheel: one zoom step per notch, keeping the pixel under (sx, sy) in place.
    bool zoom_at(Side side, int notches, int sx, int sy);
    // Zoom in (+1), out (-1) or to actual size (0) in the last clicked pane.
    bool zoom_step(int direction);
    // A zoom set as it was left (a restart): the package's top-left stays where it was.
    void set_zoom(Side side, int zoom) { view(side).set_zoom(zoom, 0, 0); }
    void select(Side side, const Rect& r) { view(side).select(r); }
    // Select all: the whole of `package`, shown in the last clicked pane.
    void select_all(const Package& package);
    // A face or sprite picked in `scene`: the tiles its texture maps are
    // selected in the pane, scrolled into sight when none of them shows.
    void select_picked(Side side, const LevelScene& scene, const ScenePick& pick);
    // Selects `r` in the target, kept inside `target` (at least a tile).
    void select_inside(const Package& target, const Rect& r);

    // A pane's package replaced: its view starts anew.
    void reset(Side side, const Package& package) { view(side).reset(package.width(), package.height()); }
    // After undo or redo: a package of another size gets its view anew.
    void fit(Side side, const Package& package);

private:
    View source_, target_;
    Side last_clicked_ = Side::target;
};

}  // namespace tilesmith
