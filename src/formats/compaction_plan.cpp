// The areas, their sharing, their packing and the moves of the textures.
#include "formats/compaction_plan.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>
#include <unordered_map>

#include "core/dimensions.h"
#include "core/error.h"
#include "core/rect_pack.h"

namespace tilesmith {

namespace {

constexpr int kSide = kPageSide;

[[noreturn]] void refuse_off_page(const std::string& file_name, Msg what, std::size_t index, int page, int pages) {
    throw Error(Msg::CompactRefused, file_name, Phrase(what).arg(index).arg(page).arg(pages));
}

// An edge of no width still samples the pixel beside it.
PageArea area_of(int page, int x0, int x1, int y0, int y1) {
    if (x1 == x0) x0 == kSide ? --x0 : ++x1;
    if (y1 == y0) y0 == kSide ? --y0 : ++y1;
    return {page, x0, y0, x1 - x0, y1 - y0};
}

bool inside_page(const PageArea& a, int pages) {
    return a.page >= 0 && a.page < pages && a.x >= 0 && a.y >= 0 && a.width > 0 && a.height > 0 &&
           a.x + a.width <= kSide && a.y + a.height <= kSide;
}

bool contains(const PageArea& big, const PageArea& small) {
    return big.page == small.page && small.x >= big.x && small.y >= big.y &&
           small.x + small.width <= big.x + big.width && small.y + small.height <= big.y + big.height;
}

// How a kept area is padded along one axis: a pixel of margin each side
// where the page has room, else the whole side with the area where it was.
struct Pad {
    int before, span;
};
Pad pad_of(int at, int length) { return length + 2 <= kSide ? Pad{1, length + 2} : Pad{at, kSide}; }

const std::uint8_t* pixel(const StoredDepth& d, int page, int x, int y) {
    return d.pages + ((std::size_t(page) * kSide + std::size_t(y)) * kSide + std::size_t(x)) *
                                std::size_t(d.bytes_per_pixel);
}

// The pixels a kept area brings with it, its margin included: filtering
// reads the pixel beyond each side (the page's edge pixel at its edge), so
// areas share a place only when that ring is the same too.
template <typename Each>
void for_each_padded_pixel(const PageArea& a, const StoredDepth& d, Each each) {
    for (int y = a.y - 1; y <= a.y + a.height; ++y)
        for (int x = a.x - 1; x <= a.x + a.width; ++x)
            each(pixel(d, a.page, std::clamp(x, 0, kSide - 1), std::clamp(y, 0, kSide - 1)));
}

std::uint64_t hash_of(const PageArea& a, const std::vector<StoredDepth>& depths) {
    std::uint64_t h = 1469598103934665603ull;
    for (const StoredDepth& d : depths)
        for_each_padded_pixel(a, d, [&](const std::uint8_t* p) {
            for (int i = 0; i < d.bytes_per_pixel; ++i) h = (h ^ p[i]) * 1099511628211ull;
        });
    return h;
}

bool same_pixels(const PageArea& a, const PageArea& b, const std::vector<StoredDepth>& depths) {
    if (a.width != b.width || a.height != b.height) return false;
    for (const StoredDepth& d : depths) {
        std::vector<const std::uint8_t*> of_a;
        for_each_padded_pixel(a, d, [&](const std::uint8_t* p) { of_a.push_back(p); });
        std::size_t i = 0;
        bool same = true;
        for_each_padded_pixel(b, d, [&](const std::uint8_t* p) {
            same = same && std::memcmp(p, of_a[i++], std::size_t(d.bytes_per_pixel)) == 0;
        });
        if (!same) return false;
    }
    return true;
}

// The 4-connected regions of a page's pixels that none of `areas` covers:
// the uncovered runs of each row, joined with those of the row above that
// they touch.
std::int64_t uncovered_regions(const std::vector<const PageArea*>& areas) {
    std::vector<std::uint8_t> covered(std::size_t(kSide) * kSide, 0);
    for (const PageArea* a : areas)
        for (int y = a->y; y < a->y + a->height; ++y)
            std::fill_n(covered.begin() + std::ptrdiff_t(y * kSide + a->x), a->width, std::uint8_t(1));
    struct Run {
        int x0, x1, region;
    };
    std::vector<int> joined_to;  // a region's index, or one it was joined to
    const auto root_of = [&](int r) {
        while (joined_to[std::size_t(r)] != r) {
            const int up = joined_to[std::size_t(r)];
            joined_to[std::size_t(r)] = joined_to[std::size_t(up)];
            r = up;
        }
        return r;
    };
    std::int64_t regions = 0;
    std::vector<Run> above, row;
    for (int y = 0; y < kSide; ++y) {
        row.clear();
        const std::uint8_t* line = covered.data() + std::ptrdiff_t(y) * kSide;
        for (int x = 0; x < kSide;) {
            if (line[x]) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < kSide && !line[x]) ++x;
            const int region = int(joined_to.size());
            joined_to.push_back(region);
            ++regions;
            for (const Run& up : above) {
                if (up.x1 <= x0 || x <= up.x0) continue;
                const int a = root_of(up.region), b = root_of(region);
                if (a == b) continue;
                joined_to[std::size_t(a)] = b;
                --regions;
            }
            row.push_back({x0, x, region});
        }
        std::swap(above, row);
    }
    return regions;
}

// Where an area lands: its new page and its corner there.
struct NewPlace {
    int page = 0, x = 0, y = 0;
};

// Distinct areas and each texture's area among them.
struct AreaSet {
    std::vector<PageArea> areas;
    std::vector<std::size_t> of_objects, of_sprites;
};

AreaSet distinct(const std::vector<PageArea>& objects, const std::vector<PageArea>& sprites) {
    AreaSet set;
    std::map<std::tuple<int, int, int, int, int>, std::size_t> index;
    const auto add = [&](const PageArea& a) {
        const auto [it, fresh] = index.try_emplace({a.page, a.x, a.y, a.width, a.height}, set.areas.size());
        if (fresh) set.areas.push_back(a);
        return it->second;
    };
    for (const PageArea& a : objects) set.of_objects.push_back(add(a));
    for (const PageArea& a : sprites) set.of_sprites.push_back(add(a));
    return set;
}

// Kept areas of one page whose margins meet are joined into one block when
// the block's padded size is no more than theirs apart: neighbours share
// their margins and overlapping areas their common pixels. Gives each area's
// block, an index of `blocks`.
std::int64_t padded_size(const PageArea& a) {
    return std::int64_t(pad_of(a.x, a.width).span) * pad_of(a.y, a.height).span;
}

PageArea joined(const PageArea& a, const PageArea& b) {
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
    return {a.page, x0, y0, x1 - x0, y1 - y0};
}

bool margins_meet(const PageArea& a, const PageArea& b) {
    return a.page == b.page && a.x <= b.x + b.width + 1 && b.x <= a.x + a.width + 1 && a.y <= b.y + b.height + 1 &&
           b.y <= a.y + a.height + 1;
}

std::vector<std::size_t> join_blocks(const std::vector<PageArea>& kept, std::vector<PageArea>& blocks) {
    std::vector<std::size_t> block_of(kept.size());
    std::vector<std::vector<std::size_t>> members;
    blocks.clear();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        block_of[i] = blocks.size();
        blocks.push_back(kept[i]);
        members.push_back({i});
    }
    std::map<int, std::vector<std::size_t>> of_page;
    for (std::size_t i = 0; i < kept.size(); ++i) of_page[kept[i].page].push_back(i);
    for (const auto& [page, on_page] : of_page) {
        for (bool joined_any = true; joined_any;) {
            joined_any = false;
            for (const std::size_t i : on_page) {
                if (members[i].empty()) continue;
                for (const std::size_t j : on_page) {
                    if (j <= i || members[j].empty() || !margins_meet(blocks[i], blocks[j])) continue;
                    const PageArea both = joined(blocks[i], blocks[j]);
                    if (padded_size(both) > padded_size(blocks[i]) + padded_size(blocks[j])) continue;
                    blocks[i] = both;
                    for (const std::size_t m : members[j]) block_of[m] = i;
                    members[i].insert(members[i].end(), members[j].begin(), members[j].end());
                    members[j].clear();
                    joined_any = true;
                }
            }
        }
    }
    // Only the blocks left, renumbered in order.
    std::vector<std::size_t> renumber(blocks.size(), 0);
    std::vector<PageArea> left;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (!members[i].empty()) {
            renumber[i] = left.size();
            left.push_back(blocks[i]);
        }
    for (std::size_t& b : block_of) b = renumber[b];
    blocks = std::move(left);
    return block_of;
}

// A group's kept areas on its new pages: the copies that build them (onto
// pages counted from the group's first) and each kept area's new place.
struct GroupPacking {
    int pages = 0;
    std::vector<PageCopy> copies;
    std::vector<NewPlace> of_kept;
};

// The pixels a kept area needs, its margin cut at the page's edges: what
// stays in place when its page stays as it is.
PageArea padded_in_page(const PageArea& a) {
    const int x0 = std::max(a.x - 1, 0), y0 = std::max(a.y - 1, 0);
    const int x1 = std::min(a.x + a.width + 1, kSide), y1 = std::min(a.y + a.height + 1, kSide);
    return {a.page, x0, y0, x1 - x0, y1 - y0};
}

// Packs the kept areas of the pages `bin_of_page` does not name around those
// of the pages it names, which stay where they are on the new page it gives;
// the areas moved are joined into blocks when `join`.
GroupPacking pack_around(const std::vector<PageArea>& kept, const std::map<int, int>& bin_of_page, bool join) {
    GroupPacking out;
    out.of_kept.resize(kept.size());
    std::vector<PackFixed> fixed;
    std::vector<PageArea> moving;
    std::vector<std::size_t> moving_index;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const auto bin = bin_of_page.find(kept[i].page);
        if (bin == bin_of_page.end()) {
            moving.push_back(kept[i]);
            moving_index.push_back(i);
            continue;
        }
        const PageArea in = padded_in_page(kept[i]);
        fixed.push_back({bin->second, in.x, in.y, in.width, in.height});
        out.copies.push_back({in.page, in.x, in.y, in.width, in.height, bin->second, in.x, in.y});
        out.of_kept[i] = {bin->second, kept[i].x, kept[i].y};
        out.pages = std::max(out.pages, bin->second + 1);
    }
    std::vector<PageArea> blocks;
    std::vector<std::size_t> block_of;
    if (join) {
        block_of = join_blocks(moving, blocks);
    } else {
        blocks = moving;
        for (std::size_t i = 0; i < moving.size(); ++i) block_of.push_back(i);
    }
    std::vector<PackSize> sizes;
    for (const PageArea& b : blocks) sizes.push_back({pad_of(b.x, b.width).span, pad_of(b.y, b.height).span});
    const std::vector<PackPlace> packed = pack_rectangles(sizes, kSide, fixed);
    out.pages = std::max(out.pages, bins_used(packed));
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const PageArea& b = blocks[i];
        const Pad px = pad_of(b.x, b.width), py = pad_of(b.y, b.height);
        const PackPlace& p = packed[i];
        out.copies.push_back({b.page, b.x - px.before, b.y - py.before, px.span, py.span, p.bin, p.x, p.y});
    }
    for (std::size_t i = 0; i < moving.size(); ++i) {
        const PageArea& a = moving[i];
        const PageArea& b = blocks[block_of[i]];
        const PackPlace& p = packed[block_of[i]];
        out.of_kept[moving_index[i]] = {p.bin, p.x + pad_of(b.x, b.width).before + a.x - b.x,
                                        p.y + pad_of(b.y, b.height).before + a.y - b.y};
    }
    return out;
}

// The pixels each page's kept areas need there, margins included.
std::map<int, std::int64_t> needed_pixels(const std::vector<PageArea>& kept) {
    std::map<int, std::vector<std::uint8_t>> masks;
    for (const PageArea& a : kept) {
        std::vector<std::uint8_t>& mask = masks[a.page];
        mask.resize(std::size_t(kSide) * kSide, 0);
        const PageArea in = padded_in_page(a);
        for (int y = in.y; y < in.y + in.height; ++y)
            std::fill_n(mask.begin() + std::ptrdiff_t(y * kSide + in.x), in.width, std::uint8_t(1));
    }
    std::map<int, std::int64_t> out;
    for (const auto& [page, mask] : masks) out[page] = std::count(mask.begin(), mask.end(), std::uint8_t(1));
    return out;
}

// The fewest pages of the ways tried: every area moved, in blocks or alone;
// or the fullest pages kept where they are, one more each time, the areas of
// the others packed into what they leave free and onto further pages. The
// first tried wins among equals; the trying stops when no way left can take
// fewer pages than the pixels the areas need.
GroupPacking pack_group(const std::vector<PageArea>& kept) {
    const std::map<int, std::int64_t> needed = needed_pixels(kept);
    constexpr std::int64_t kPagePixels = std::int64_t(kSide) * kSide;
    std::int64_t all = 0;
    for (const auto& [page, pixels] : needed) all += pixels;
    const int least = int((all + kPagePixels - 1) / kPagePixels);

    GroupPacking best = pack_around(kept, {}, true);
    if (best.pages > least) {
        GroupPacking alone = pack_around(kept, {}, false);
        if (alone.pages < best.pages) best = std::move(alone);
    }
    std::vector<int> fullest;
    for (const auto& [page, pixels] : needed) fullest.push_back(page);
    std::stable_sort(fullest.begin(), fullest.end(), [&](int a, int b) { return needed.at(a) > needed.at(b); });
    std::map<int, int> bin_of_page;
    // The pages kept in place count too: keeping as many as the best takes cannot beat it.
    for (std::size_t f = 0; f + 1 < fullest.size() && best.pages > least && int(f) + 1 < best.pages; ++f) {
        bin_of_page[fullest[f]] = int(f);
        GroupPacking around = pack_around(kept, bin_of_page, true);
        if (around.pages < best.pages) best = std::move(around);
    }
    return best;
}

}  // namespace

std::vector<PageArea> object_areas(const LevelTextureRefs& refs, int pages, const std::string& file_name) {
    std::vector<PageArea> out;
    out.reserve(refs.objects.size());
    for (std::size_t i = 0; i < refs.objects.size(); ++i) {
        const ObjectTextureRef& t = refs.objects[i];
        const int n = std::clamp(t.corner_count, 1, 4);
        int x0 = kSide + 1, x1 = -1, y0 = kSide + 1, y1 = -1;
        for (int k = 0; k < n; ++k) {
            x0 = std::min<int>(x0, t.corners[std::size_t(k)].x);
            x1 = std::max<int>(x1, t.corners[std::size_t(k)].x);
            y0 = std::min<int>(y0, t.corners[std::size_t(k)].y);
            y1 = std::max<int>(y1, t.corners[std::size_t(k)].y);
        }
        const PageArea a = area_of(t.page, x0, x1, y0, y1);
        if (!inside_page(a, pages) || x0 < 0 || y0 < 0)
            refuse_off_page(file_name, Msg::ObjectTextureOffPage, i, t.page, pages);
        out.push_back(a);
    }
    return out;
}

std::vector<PageArea> sprite_areas(const LevelTextureRefs& refs, int pages, const std::string& file_name) {
    std::vector<PageArea> out;
    out.reserve(refs.sprites.size());
    for (std::size_t i = 0; i < refs.sprites.size(); ++i) {
        const SpriteTextureRef& s = refs.sprites[i];
        if (s.x < 0 || s.y < 0 || s.width < 0 || s.height < 0)
            refuse_off_page(file_name, Msg::SpriteTextureOffPage, i, s.page, pages);
        const PageArea a = area_of(s.page, s.x, s.x + s.width, s.y, s.y + s.height);
        if (!inside_page(a, pages)) refuse_off_page(file_name, Msg::SpriteTextureOffPage, i, s.page, pages);
        out.push_back(a);
    }
    return out;
}

CompactionPlan plan_pages(const std::vector<PageArea>& objects, const std::vector<PageArea>& sprites, int pages,
                          const std::vector<PageGroup>& groups, const std::vector<StoredDepth>& depths) {
    const AreaSet set = distinct(objects, sprites);
    const std::size_t n = set.areas.size();
    CompactionPlan plan;
    CompactionSummary& sum = plan.summary;
    sum.pages_before = pages;
    sum.object_textures = std::int64_t(objects.size());
    sum.sprite_textures = std::int64_t(sprites.size());
    sum.kept = std::int64_t(n);

    // Each area's root (itself when it is kept in a place of its own), its
    // place within the root, and its new place.
    std::vector<std::size_t> root(n);
    std::vector<int> off_x(n, 0), off_y(n, 0);
    std::vector<NewPlace> place(n);
    int next_page = 0;
    for (const PageGroup& g : groups) {
        std::vector<std::size_t> members;
        for (std::size_t a = 0; a < n; ++a)
            if (set.areas[a].page >= g.first && set.areas[a].page < g.first + g.count) members.push_back(a);
        // The largest first, so that an area meets every larger one before it.
        std::sort(members.begin(), members.end(), [&](std::size_t a, std::size_t b) {
            const PageArea &p = set.areas[a], &q = set.areas[b];
            return std::make_tuple(-p.width * p.height, p.page, p.y, p.x, p.height) <
                   std::make_tuple(-q.width * q.height, q.page, q.y, q.x, q.height);
        });
        std::map<int, std::vector<std::size_t>> roots_of_page;
        std::unordered_map<std::uint64_t, std::vector<std::size_t>> roots_of_hash;
        std::vector<std::size_t> roots;
        std::int64_t shared = 0;
        for (const std::size_t a : members) {
            const PageArea& area = set.areas[a];
            root[a] = a;
            for (const std::size_t r : roots_of_page[area.page])
                if (contains(set.areas[r], area)) {
                    root[a] = r;
                    off_x[a] = area.x - set.areas[r].x;
                    off_y[a] = area.y - set.areas[r].y;
                    break;
                }
            if (root[a] == a) {
                std::vector<std::size_t>& alike = roots_of_hash[hash_of(area, depths)];
                for (const std::size_t r : alike)
                    if (same_pixels(set.areas[r], area, depths)) {
                        root[a] = r;
                        break;
                    }
                if (root[a] == a) alike.push_back(a);
            }
            if (root[a] == a) {
                roots.push_back(a);
                roots_of_page[area.page].push_back(a);
            } else {
                ++shared;
            }
        }

        std::vector<PageArea> kept;
        for (const std::size_t r : roots) kept.push_back(set.areas[r]);
        const GroupPacking packing = g.movable ? pack_group(kept) : GroupPacking{};
        const int used = std::max(packing.pages, g.count > 0 ? 1 : 0);
        const bool shrinks = g.movable && used < g.count;
        const int first = next_page;
        if (shrinks) {
            for (PageCopy c : packing.copies) {
                c.to += first;
                plan.copies.push_back(c);
            }
            for (std::size_t i = 0; i < roots.size(); ++i) {
                const NewPlace& at = packing.of_kept[i];
                place[roots[i]] = {first + at.page, at.x, at.y};
            }
            for (const std::size_t a : members)
                if (root[a] != a)
                    place[a] = {place[root[a]].page, place[root[a]].x + off_x[a], place[root[a]].y + off_y[a]};
            for (int page = g.first; page < g.first + g.count; ++page) {
                std::vector<const PageArea*> on_page;
                for (const std::size_t a : members)
                    if (set.areas[a].page == page) on_page.push_back(&set.areas[a]);
                sum.dropped += uncovered_regions(on_page);
            }
            sum.shared += shared;
        } else {
            for (const std::size_t a : members)
                place[a] = {first + set.areas[a].page - g.first, set.areas[a].x, set.areas[a].y};
            for (int page = 0; page < g.count; ++page)
                plan.copies.push_back({g.first + page, 0, 0, kSide, kSide, first + page, 0, 0});
        }
        const int kept_pages = shrinks ? used : g.count;
        plan.group_pages.push_back(kept_pages);
        next_page += kept_pages;
    }
    sum.pages_after = next_page;

    const auto move_of = [&](std::size_t a) {
        const PageArea& area = set.areas[a];
        return TextureMove{place[a].page, place[a].x - area.x, place[a].y - area.y};
    };
    for (const std::size_t a : set.of_objects) plan.objects.push_back(move_of(a));
    for (const std::size_t a : set.of_sprites) plan.sprites.push_back(move_of(a));
    return plan;
}

std::vector<std::uint8_t> build_pages(const CompactionPlan& plan, const StoredDepth& depth) {
    const std::size_t bpp = std::size_t(depth.bytes_per_pixel);
    const std::size_t page_bytes = std::size_t(kSide) * kSide * bpp;
    std::vector<std::uint8_t> out(std::size_t(plan.summary.pages_after) * page_bytes, 0);
    for (const PageCopy& c : plan.copies) {
        for (int j = 0; j < c.height; ++j) {
            const int sy = std::clamp(c.y + j, 0, kSide - 1);
            std::uint8_t* to = out.data() + std::size_t(c.to) * page_bytes +
                               (std::size_t(c.to_y + j) * kSide + std::size_t(c.to_x)) * bpp;
            for (int i = 0; i < c.width; ++i, to += bpp)
                std::memcpy(to, pixel(depth, c.from, std::clamp(c.x + i, 0, kSide - 1), sy), bpp);
        }
    }
    return out;
}

}  // namespace tilesmith
