// Which 256 x 256 pages of a package changed since it was last looked at: a
// fingerprint of each page's pixels, so that whatever changed them (an edit,
// undo, redo, an effect, a paste, a new package) is seen the same way and a
// view uploads only those pages again.
#pragma once
#include <cstdint>
#include <vector>

#include "core/package.h"

namespace tilesmith {

class PageTracker {
public:
    // The pages whose pixels differ from the last call, in order: every page
    // the first time and after the package's size changed. A page is the
    // package's rows 256 p .. 256 p + 255 across its whole width.
    std::vector<int> changed_pages(const Package& package);
    // Forgets every page: the next call answers them all.
    void forget() { prints_.clear(); }

private:
    int width_ = -1, height_ = -1;
    std::vector<std::uint64_t> prints_;
};

}  // namespace tilesmith
