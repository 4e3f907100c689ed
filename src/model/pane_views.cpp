// The panes' views: clicks, wheel, zoom and the selections they make.
#include "model/pane_views.h"

#include <algorithm>

#include "model/level_scene.h"

namespace tilesmith {

PaneViews::PaneViews(const Package& source, const Package& target) {
    reset(Side::source, source);
    reset(Side::target, target);
}

bool PaneViews::press(Side side, MouseButton button, int sx, int sy, bool extend) {
    last_clicked_ = side;
    return view(side).press(button, sx, sy, extend);
}

bool PaneViews::scroll_notches(Side side, int vertical, int horizontal) {
    View& v = view(side);
    // A tile of the screen per notch, at least one package pixel.
    const int step = std::max(kTileSide / v.zoom(), 1);
    return v.scroll_by(-horizontal * step, -vertical * step);
}

bool PaneViews::zoom_at(Side side, int notches, int sx, int sy) {
    View& v = view(side);
    return v.set_zoom(v.zoom() + notches, sx, sy);
}

bool PaneViews::zoom_step(int direction) {
    View& v = view(last_clicked_);
    return v.set_zoom(direction == 0 ? View::kMinZoom : v.zoom() + direction);
}

void PaneViews::select_all(const Package& p) {
    if (p.width() > 0 && p.height() > 0) view(last_clicked_).select(Rect::of_size(0, 0, p.width(), p.height()));
}

void PaneViews::select_picked(Side side, const LevelScene& scene, const ScenePick& pick) {
    const Rect tiles = scene.picked_tiles(pick);
    if (tiles.empty()) return;
    View& v = view(side);
    v.select(tiles);
    const Rect shown = Rect::of_size(v.scroll_x(), v.scroll_y(), v.visible_width(), v.visible_height());
    if (shown.intersected(tiles).empty()) v.scroll_to(tiles.left, tiles.top);
}

void PaneViews::select_inside(const Package& target, const Rect& r) {
    const Rect inside = r.intersected(Rect::of_size(0, 0, target.width(), target.height()));
    target_.select(inside.empty() ? r : inside);
}

void PaneViews::fit(Side side, const Package& package) {
    View& v = view(side);
    if (v.package_width() != package.width() || v.package_height() != package.height())
        v.reset(package.width(), package.height());
}

}  // namespace tilesmith
