// Page fingerprints: 64-bit words of each row mixed into one number per page.
#include "model/page_tracker.h"

#include <algorithm>
#include <cstring>

#include "core/dimensions.h"

namespace tilesmith {

namespace {

std::uint64_t page_print(const Package& package, int page) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ std::uint64_t(page);
    const int bottom = std::min(package.height(), (page + 1) * kPageSide);
    const std::size_t bytes = std::size_t(package.width()) * 3;
    for (int y = page * kPageSide; y < bottom; ++y) {
        const std::uint8_t* row = package.row(y);
        std::size_t i = 0;
        for (; i + 8 <= bytes; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, row + i, 8);
            h = (h ^ word) * 0x100000001B3ull;
            h ^= h >> 29;
        }
        for (; i < bytes; ++i) h = (h ^ row[i]) * 0x100000001B3ull;
    }
    return h;
}

}  // namespace

std::vector<int> PageTracker::changed_pages(const Package& package) {
    const int pages = (package.height() + kPageSide - 1) / kPageSide;
    if (package.width() != width_ || package.height() != height_) {
        width_ = package.width();
        height_ = package.height();
        prints_.clear();
    }
    const bool all = prints_.empty();
    prints_.resize(std::size_t(pages));
    std::vector<int> changed;
    for (int p = 0; p < pages; ++p) {
        const std::uint64_t print = page_print(package, p);
        if (all || print != prints_[std::size_t(p)]) changed.push_back(p);
        prints_[std::size_t(p)] = print;
    }
    return changed;
}

}  // namespace tilesmith
