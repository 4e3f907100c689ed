// A rectangle of package pixels, right and bottom exclusive.
#pragma once
#include <algorithm>

namespace tilesmith {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;

    static Rect of_size(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    // The smallest rectangle holding both.
    Rect united(const Rect& o) const {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    // The common part; empty (and possibly inverted) when they do not meet.
    Rect intersected(const Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
};

// A whole tile of a package: its column and row of 64 x 64 tiles.
struct TileSpot {
    int column = 0, row = 0;
    bool operator==(const TileSpot&) const = default;
};

}  // namespace tilesmith
