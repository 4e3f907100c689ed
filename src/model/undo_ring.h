// The undo ring: 50 saved 64 x 64 rectangles of the target package, newest first.
#pragma once
#include <array>

#include "core/dimensions.h"
#include "core/package.h"

namespace tilesmith {

// A rectangle in package pixels, right and bottom exclusive.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

class UndoRing {
public:
    static constexpr int kSize = 50;
    // All 50 bitmaps are allocated here, once, black; push and undo never allocate.
    UndoRing();
    int count() const { return count_; }
    // Saves the part of `r` inside `target` as the newest entry; the oldest of
    // 50 is dropped. Pixels of `r` outside the package are not read.
    void push(const Package& target, Rect r);
    // Writes the newest entry back at the rectangle it came from (only its part
    // inside the package) and drops it. False when there is nothing to undo.
    bool undo(Package& target);
    // Forgets every entry (the bitmaps stay allocated).
    void clear() { count_ = 0; }

private:
    struct Entry {
        Package pixels{kTileSide, kTileSide, kBlack};
        Rect rect;
    };
    std::array<Entry, kSize> entries_;
    int head_ = 0;   // index of the newest entry
    int count_ = 0;
};

}  // namespace tilesmith
