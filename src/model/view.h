// The view of one pane: which part of its package shows (scroll offset and
// zoom) and the selection, a rectangle of package pixels. The selection is
// anchored to the package: scrolling and zooming never change it.
#pragma once
#include <utility>
#include <vector>

#include "core/dimensions.h"
#include "model/rect.h"

namespace tilesmith {

enum class MouseButton { left, middle, right };

class View {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 8;
    // The pane of the first start: 4 x 8 tiles at 1:1.
    static constexpr int kStartWidth = 256;
    static constexpr int kStartHeight = 512;

    // Shows a package of this size from its top-left, its first tile selected; the zoom stays.
    void reset(int package_width, int package_height);
    int package_width() const { return package_w_; }
    int package_height() const { return package_h_; }

    // The pane's picture in screen pixels; the scroll offset stays within the new range.
    void set_viewport(int width, int height);
    int viewport_width() const { return viewport_w_; }
    int viewport_height() const { return viewport_h_; }

    // Each package pixel shows as zoom x zoom screen pixels.
    int zoom() const { return zoom_; }
    // Keeps the package pixel under screen point (sx, sy) in place where the
    // scroll range allows; zooming in on a pixel of the package, the range
    // stretches past its far edges as far as that needs. False when the zoom
    // did not change.
    bool set_zoom(int zoom, int sx, int sy) { return zoom_at(zoom, sx, sy, true); }
    // Around the middle of the picture, within the scroll range.
    bool set_zoom(int zoom) { return zoom_at(zoom, viewport_w_ / 2, viewport_h_ / 2, false); }

    // The package pixel at the picture's top-left.
    int scroll_x() const { return scroll_x_; }
    int scroll_y() const { return scroll_y_; }
    // Whole package pixels the picture shows across and down (at least one).
    int visible_width() const;
    int visible_height() const;
    // The package's far edge at the picture's, plus any stretch a zoom left;
    // the stretch shrinks as the view scrolls back.
    int max_scroll_x() const;
    int max_scroll_y() const;
    // Clamped to the range; false when nothing moved.
    bool scroll_to(int x, int y);
    bool scroll_by(int dx, int dy) { return scroll_to(scroll_x_ + dx, scroll_y_ + dy); }
    // Scrolls as little as needed to show `r` (its top-left when it is larger than the picture).
    bool ensure_visible(const Rect& r);

    // The package pixel under screen point (sx, sy), which may lie outside the package.
    std::pair<int, int> package_point(int sx, int sy) const;
    bool in_package(int x, int y) const { return x >= 0 && y >= 0 && x < package_w_ && y < package_h_; }

    Rect selection() const { return anchor_.united(cursor_); }
    // Whole tiles across and down the selection.
    int selection_columns() const { return selection().width() / kTileSide; }
    int selection_rows() const { return selection().height() / kTileSide; }

    // A press at screen point (sx, sy). Outside the package: ignored. Right
    // button: the 64 x 64 area on the 8-pixel grid. Left or middle: the tile
    // under the pointer, or with `extend` the rectangle from the first corner
    // to it. True when the selection changed.
    bool press(MouseButton button, int sx, int sy, bool extend);
    // The left button held and moved: the rectangle from the first corner to
    // the tile under the pointer, kept inside the package; scrolls to show it.
    bool drag(int sx, int sy);
    // Arrow keys: the selection moves by whole tiles while its top-left stays
    // in the package; with `extend` its far corner moves instead. Scrolls to show it.
    bool move(int columns, int rows, bool extend);
    // Selects `r`, whole tiles from its top-left (at least one).
    void select(const Rect& r);

    // Tiles marked besides the selection (duplicates found, unused tiles),
    // in reading order: a new selection or package clears them.
    const std::vector<TileSpot>& marked() const { return marked_; }
    void mark(std::vector<TileSpot> tiles) { marked_ = std::move(tiles); }

private:
    bool zoom_at(int zoom, int sx, int sy, bool may_stretch);
    // The scroll that shows the package's far edge at the picture's (0 for a smaller package).
    int edge_x() const;
    int edge_y() const;
    // The corner tile on the grid of the first corner that holds (x, y), kept in the package.
    Rect corner_at(int x, int y) const;
    int package_w_ = kStartWidth, package_h_ = kStartHeight;
    int viewport_w_ = kStartWidth, viewport_h_ = kStartHeight;
    int zoom_ = 1;
    int scroll_x_ = 0, scroll_y_ = 0;
    // How far the scroll range reaches past the package's far edges.
    int stretch_x_ = 0, stretch_y_ = 0;
    // The first corner (where the selection was started) and the far corner, 64 x 64 each.
    Rect anchor_{0, 0, kTileSide, kTileSide};
    Rect cursor_{0, 0, kTileSide, kTileSide};
    std::vector<TileSpot> marked_;
};

}  // namespace tilesmith
