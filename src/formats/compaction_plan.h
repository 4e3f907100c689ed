// Where a level's textures go when its pages are packed into fewer: the
// areas its object and sprite textures map, which of them share pixels, where
// each kept one lands on the new pages, and what each texture's record must
// say then. No file here: the per-game writers read and write the bytes.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/texture_refs.h"

namespace tilesmith {

// The pages of one depth the level stores, page after page, each 256 x 256
// pixels of `bytes_per_pixel` bytes: in the bytes of the file read, or in
// what `keeps` holds alive.
struct StoredDepth {
    int bytes_per_pixel = 1;
    const std::uint8_t* pages = nullptr;
    std::shared_ptr<const void> keeps;
};

// A run of pages packed within itself (Tomb Raider 4/5: rooms, objects, bump
// maps); a group that must not move keeps its pages as they are.
struct PageGroup {
    int first = 0, count = 0;
    bool movable = true;
};

// A pixel rectangle of a page: what a texture maps.
struct PageArea {
    int page = 0, x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PageArea&) const = default;
};

// What becomes of one texture: its new page and how far its pixels moved.
struct TextureMove {
    int page = 0;
    int dx = 0, dy = 0;
};

// Pixels of the old pages copied onto a new page: the rectangle at x, y of
// page `from` (it may reach one pixel beyond the page, which repeats the
// page's edge pixel) to x, y of new page `to`.
struct PageCopy {
    int from = 0, x = 0, y = 0, width = 0, height = 0;
    int to = 0, to_x = 0, to_y = 0;
};

// The counts the user is shown before anything is written.
struct CompactionSummary {
    int pages_before = 0, pages_after = 0;
    std::int64_t object_textures = 0, sprite_textures = 0;
    std::int64_t kept = 0;     // distinct areas mapped, every one kept
    std::int64_t shared = 0;   // of those, inside a larger one or of the same pixels as another
    std::int64_t dropped = 0;  // regions no texture maps (4-connected, a page at a time), left out
};

struct CompactionPlan {
    CompactionSummary summary;
    std::vector<int> group_pages;          // new pages of each group, in order
    std::vector<TextureMove> objects, sprites;
    std::vector<PageCopy> copies;
};

// The areas of a level's textures; throws Error (Msg::TextureOffPage about
// `file_name`) for one that maps beyond its page or names no page of the
// `pages` it has.
std::vector<PageArea> object_areas(const LevelTextureRefs& refs, int pages, const std::string& file_name);
std::vector<PageArea> sprite_areas(const LevelTextureRefs& refs, int pages, const std::string& file_name);

// Plans the packing of `pages` pages in `groups` (which cover them in order)
// whose pixels are `depths`; areas with the same pixels in every depth share.
// The fullest pages of a group may keep their areas where they are, the
// others packed into what they leave free. A group whose packing would not
// take fewer pages keeps its pages as they are, and then every texture on it
// stays where it is.
CompactionPlan plan_pages(const std::vector<PageArea>& objects, const std::vector<PageArea>& sprites, int pages,
                          const std::vector<PageGroup>& groups, const std::vector<StoredDepth>& depths);

// The new pages of one depth, as the plan's copies build them (`pages_after`
// pages; what no copy reaches is zero).
std::vector<std::uint8_t> build_pages(const CompactionPlan& plan, const StoredDepth& depth);

}  // namespace tilesmith
