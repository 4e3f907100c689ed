// MaxRects: each bin keeps the maximal free rectangles left in it; a placed
// rectangle splits every free one it overlaps into the parts beside it, and
// free rectangles inside others are dropped.
#include "core/rect_pack.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>

namespace tilesmith {

namespace {

struct Rect {
    int x, y, w, h;
    bool contains(const Rect& o) const { return o.x >= x && o.y >= y && o.x + o.w <= x + w && o.y + o.h <= y + h; }
    bool overlaps(const Rect& o) const { return o.x < x + w && x < o.x + o.w && o.y < y + h && y < o.y + o.h; }
};

class Bin {
public:
    explicit Bin(int side) : free_{{0, 0, side, side}} {}

    // The best free place for w x h: the least short side over, then the
    // least long side, then the topmost, then the leftmost.
    bool find(int w, int h, Rect& place) const {
        bool found = false;
        std::tuple<int, int, int, int> best{};
        for (const Rect& f : free_) {
            if (f.w < w || f.h < h) continue;
            const int dw = f.w - w, dh = f.h - h;
            const std::tuple<int, int, int, int> score{std::min(dw, dh), std::max(dw, dh), f.y, f.x};
            if (!found || score < best) {
                found = true;
                best = score;
                place = {f.x, f.y, w, h};
            }
        }
        return found;
    }

    void take(const Rect& used) {
        // The free rectangles it misses stay, and stay maximal: none lies
        // inside another, nor inside a part cut from one (which lies inside
        // that one). Only the parts need checking.
        std::vector<Rect> next, parts;
        next.reserve(free_.size() + 4);
        for (const Rect& f : free_) {
            if (!f.overlaps(used)) {
                next.push_back(f);
                continue;
            }
            if (used.x > f.x) parts.push_back({f.x, f.y, used.x - f.x, f.h});
            if (used.x + used.w < f.x + f.w) parts.push_back({used.x + used.w, f.y, f.x + f.w - used.x - used.w, f.h});
            if (used.y > f.y) parts.push_back({f.x, f.y, f.w, used.y - f.y});
            if (used.y + used.h < f.y + f.h) parts.push_back({f.x, used.y + used.h, f.w, f.y + f.h - used.y - used.h});
        }
        // Only maximal parts are added; of two equal ones, the first.
        const std::size_t missed = next.size();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            bool inside = false;
            for (std::size_t j = 0; j < missed && !inside; ++j) inside = next[j].contains(parts[i]);
            for (std::size_t j = 0; j < parts.size() && !inside; ++j) {
                if (i == j || !parts[j].contains(parts[i])) continue;
                inside = !parts[i].contains(parts[j]) || j < i;
            }
            if (!inside) next.push_back(parts[i]);
        }
        free_ = std::move(next);
    }

    // The pixels of the free rectangles, overlaps counted twice: less is fuller.
    std::int64_t free_area() const {
        std::int64_t sum = 0;
        for (const Rect& f : free_) sum += std::int64_t(f.w) * f.h;
        return sum;
    }

private:
    std::vector<Rect> free_;
};

}  // namespace

namespace {

// Packs in the order given, each rectangle at its best place in the bins
// already open, else in a new bin; `across` compares the places of every
// open bin rather than taking the first bin with room.
std::vector<PackPlace> pack_in_order(const std::vector<PackSize>& sizes, const std::vector<std::size_t>& order,
                                     int side, bool across, const std::vector<Bin>& opened) {
    std::vector<PackPlace> places(sizes.size());
    std::vector<Bin> bins = opened;
    for (const std::size_t i : order) {
        const PackSize s = sizes[i];
        Rect at{};
        std::size_t bin = bins.size();
        std::int64_t best_left = 0;
        for (std::size_t b = 0; b < bins.size(); ++b) {
            Rect here{};
            if (!bins[b].find(s.width, s.height, here)) continue;
            const std::int64_t left = bins[b].free_area();
            if (bin == bins.size() || (across && left < best_left)) {
                bin = b;
                at = here;
                best_left = left;
                if (!across) break;
            }
        }
        if (bin == bins.size()) {
            bins.emplace_back(side);
            bins.back().find(s.width, s.height, at);
        }
        bins[bin].take(at);
        places[i] = {int(bin), at.x, at.y};
    }
    return places;
}

}  // namespace

std::vector<PackPlace> pack_rectangles(const std::vector<PackSize>& sizes, int side,
                                       const std::vector<PackFixed>& fixed) {
    std::vector<Bin> opened;
    std::vector<std::vector<std::uint8_t>> covered;  // the fixed pixels of each opened bin
    for (const PackFixed& f : fixed) {
        if (f.bin < 0 || f.width <= 0 || f.height <= 0) continue;
        while (opened.size() <= std::size_t(f.bin)) {
            opened.emplace_back(side);
            covered.emplace_back(std::size_t(side) * std::size_t(side), std::uint8_t(0));
        }
        opened[std::size_t(f.bin)].take({f.x, f.y, f.width, f.height});
        const int x0 = std::max(f.x, 0), x1 = std::min(f.x + f.width, side);
        for (int y = std::max(f.y, 0); y < std::min(f.y + f.height, side) && x0 < x1; ++y) {
            const auto row = covered[std::size_t(f.bin)].begin() + std::ptrdiff_t(y) * side;
            std::fill(row + x0, row + x1, std::uint8_t(1));
        }
    }
    std::vector<PackSize> clamped(sizes);
    for (PackSize& s : clamped) {
        s.width = std::clamp(s.width, 1, side);
        s.height = std::clamp(s.height, 1, side);
    }
    // Orders that each suit some sets: the tallest, the widest, the largest,
    // the longest side first; equal ones in the order given. The fewest bins
    // win, the first tried among equals.
    using Key = std::tuple<int, int>;
    const std::vector<Key (*)(const PackSize&)> keys{
        [](const PackSize& s) { return Key{s.height, s.width}; },
        [](const PackSize& s) { return Key{s.width, s.height}; },
        [](const PackSize& s) { return Key{s.width * s.height, s.height}; },
        [](const PackSize& s) { return Key{std::max(s.width, s.height), std::min(s.width, s.height)}; },
    };
    // No packing takes fewer bins than the fixed ones, nor than the pixels
    // fill: the first to reach that stops the trying.
    std::int64_t pixels = 0;
    for (const PackSize& s : clamped) pixels += std::int64_t(s.width) * s.height;
    for (const std::vector<std::uint8_t>& c : covered) pixels += std::count(c.begin(), c.end(), std::uint8_t(1));
    const std::int64_t bin_pixels = std::int64_t(side) * side;
    const int least = std::max(int(opened.size()), int((pixels + bin_pixels - 1) / bin_pixels));
    std::vector<PackPlace> best;
    int best_bins = 0;
    for (const auto key : keys) {
        if (!best.empty() && best_bins <= least) break;
        std::vector<std::size_t> order(clamped.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return key(clamped[b]) < key(clamped[a]); });
        for (const bool across : {false, true}) {
            std::vector<PackPlace> places = pack_in_order(clamped, order, side, across, opened);
            const int bins = bins_used(places);
            if (best.empty() || std::max(bins, int(opened.size())) < best_bins) {
                best = std::move(places);
                best_bins = std::max(bins, int(opened.size()));
            }
            if (best_bins <= least) break;
        }
    }
    return best.empty() && !clamped.empty() ? pack_in_order(clamped, {}, side, false, opened) : best;
}

int bins_used(const std::vector<PackPlace>& places) {
    int most = -1;
    for (const PackPlace& p : places) most = std::max(most, p.bin);
    return most + 1;
}

}  // namespace tilesmith
