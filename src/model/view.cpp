// The view of a pane: scrolling, zoom and the selection of whole tiles.
#include "model/view.h"

#include <algorithm>

namespace tilesmith {

namespace {

int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The step k (a multiple of a tile from `first`) whose tile holds `p`, kept so
// that the tile starts inside [0, extent).
int tile_step(int first, int p, int extent) {
    const int lowest = -floor_div(first, kTileSide);
    const int highest = std::max(lowest, floor_div(extent - 1 - first, kTileSide));
    return std::clamp(floor_div(p - first, kTileSide), lowest, highest);
}

Rect tile_of(int left, int top) { return Rect::of_size(left, top, kTileSide, kTileSide); }

}  // namespace

void View::reset(int package_width, int package_height) {
    package_w_ = std::max(package_width, 0);
    package_h_ = std::max(package_height, 0);
    scroll_x_ = scroll_y_ = stretch_x_ = stretch_y_ = 0;
    anchor_ = cursor_ = tile_of(0, 0);
    marked_.clear();
}

void View::set_viewport(int width, int height) {
    viewport_w_ = std::max(width, 1);
    viewport_h_ = std::max(height, 1);
    scroll_to(scroll_x_, scroll_y_);
}

int View::visible_width() const { return std::max(viewport_w_ / zoom_, 1); }
int View::visible_height() const { return std::max(viewport_h_ / zoom_, 1); }
int View::edge_x() const { return std::max(package_w_ - visible_width(), 0); }
int View::edge_y() const { return std::max(package_h_ - visible_height(), 0); }
int View::max_scroll_x() const { return edge_x() + stretch_x_; }
int View::max_scroll_y() const { return edge_y() + stretch_y_; }

bool View::scroll_to(int x, int y) {
    x = std::clamp(x, 0, max_scroll_x());
    y = std::clamp(y, 0, max_scroll_y());
    stretch_x_ = std::clamp(x - edge_x(), 0, stretch_x_);
    stretch_y_ = std::clamp(y - edge_y(), 0, stretch_y_);
    if (x == scroll_x_ && y == scroll_y_) return false;
    scroll_x_ = x;
    scroll_y_ = y;
    return true;
}

bool View::zoom_at(int zoom, int sx, int sy, bool may_stretch) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return false;
    const auto [px, py] = package_point(sx, sy);
    const bool stretch = zoom > zoom_ && may_stretch && in_package(px, py);
    zoom_ = zoom;
    const int x = px - floor_div(sx, zoom_), y = py - floor_div(sy, zoom_);
    // Zooming in on the package, a package that was narrower than the picture
    // keeps the point by showing blank past its edge; zooming out, the point may move.
    stretch_x_ = stretch ? std::max(x - edge_x(), 0) : 0;
    stretch_y_ = stretch ? std::max(y - edge_y(), 0) : 0;
    scroll_x_ = std::clamp(x, 0, max_scroll_x());
    scroll_y_ = std::clamp(y, 0, max_scroll_y());
    return true;
}

bool View::ensure_visible(const Rect& r) {
    const auto axis = [](int scroll, int first, int last, int visible) {
        if (first < scroll || last - first > visible) return first;
        if (last > scroll + visible) return last - visible;
        return scroll;
    };
    return scroll_to(axis(scroll_x_, r.left, r.right, visible_width()),
                     axis(scroll_y_, r.top, r.bottom, visible_height()));
}

std::pair<int, int> View::package_point(int sx, int sy) const {
    return {scroll_x_ + floor_div(sx, zoom_), scroll_y_ + floor_div(sy, zoom_)};
}

Rect View::corner_at(int x, int y) const {
    return tile_of(anchor_.left + kTileSide * tile_step(anchor_.left, x, package_w_),
                   anchor_.top + kTileSide * tile_step(anchor_.top, y, package_h_));
}

bool View::press(MouseButton button, int sx, int sy, bool extend) {
    const auto [x, y] = package_point(sx, sy);
    if (!in_package(x, y)) return false;
    const Rect before = selection();
    const bool had_marks = !marked_.empty();
    marked_.clear();
    if (button == MouseButton::right) {
        // The finest grid step places a free 64 x 64 area.
        const int step = kGridSteps.front();
        anchor_ = cursor_ = tile_of(x / step * step, y / step * step);
    } else if (extend) {
        cursor_ = corner_at(x, y);
    } else {
        anchor_ = cursor_ = tile_of(x / kTileSide * kTileSide, y / kTileSide * kTileSide);
    }
    return had_marks || selection() != before;
}

bool View::drag(int sx, int sy) {
    const auto [x, y] = package_point(sx, sy);
    const Rect before = selection();
    cursor_ = corner_at(x, y);
    ensure_visible(cursor_);
    if (selection() == before) return false;
    marked_.clear();
    return true;
}

bool View::move(int columns, int rows, bool extend) {
    const Rect before = selection();
    const int dx = columns * kTileSide, dy = rows * kTileSide;
    if (extend) {
        cursor_ = corner_at(cursor_.left + dx, cursor_.top + dy);
        ensure_visible(cursor_);
    } else {
        const Rect s = selection();
        const int mx = s.left + dx >= 0 && s.left + dx < package_w_ ? dx : 0;
        const int my = s.top + dy >= 0 && s.top + dy < package_h_ ? dy : 0;
        anchor_ = tile_of(anchor_.left + mx, anchor_.top + my);
        cursor_ = tile_of(cursor_.left + mx, cursor_.top + my);
        ensure_visible(selection());
    }
    if (selection() == before) return false;
    marked_.clear();
    return true;
}

void View::select(const Rect& r) {
    anchor_ = tile_of(r.left, r.top);
    cursor_ = tile_of(std::max(r.left, r.right - kTileSide), std::max(r.top, r.bottom - kTileSide));
    marked_.clear();
}

}  // namespace tilesmith
