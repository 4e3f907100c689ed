// The undo ring: a circular buffer of 50 preallocated 64 x 64 tiles.
#include "model/undo_ring.h"

#include <algorithm>

namespace tilesmith {

namespace {
// A saved rectangle is at most one tile; anything larger would not fit the entry.
int span(int from, int to) { return std::clamp(to - from, 0, kTileSide); }
}  // namespace

// The entries' bitmaps are built by their member initialisers: 50 black tiles,
// allocated here once and reused by every push.
UndoRing::UndoRing() = default;

void UndoRing::push(const Package& target, Rect r) {
    head_ = (head_ + 1) % kSize;
    Entry& e = entries_[head_];
    // copy_rect clips against the package: a rectangle reaching past its edge
    // saves only the part inside; the rest of the entry is never written back.
    e.pixels.copy_rect(target, r.left, r.top, span(r.left, r.right), span(r.top, r.bottom), 0, 0);
    e.rect = r;
    if (count_ < kSize) ++count_;
}

bool UndoRing::undo(Package& target) {
    if (count_ == 0) return false;
    const Entry& e = entries_[head_];
    const Rect& r = e.rect;
    target.copy_rect(e.pixels, 0, 0, span(r.left, r.right), span(r.top, r.bottom), r.left, r.top);
    head_ = (head_ + kSize - 1) % kSize;
    --count_;
    return true;
}

}  // namespace tilesmith
