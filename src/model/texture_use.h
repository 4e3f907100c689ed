// Which pixels of a package read from a level the level's textures map: the
// model the window paints over a level's pages ("Show texture use") and the
// numbers of `tilesmith-cli info --usage`.
//
// The package holds the level's pages stacked top to bottom, 256 x 256 each:
// page p covers package rows 256 p .. 256 p + 255. Everything here is in
// package pixels (x right, y down) or package tiles (64 x 64, column and row).
//
// For the window:
//   - outline: object_faces() (three or four corners each, in order, on pixel
//     edges: a face over a whole tile has corners 0 and 64) and sprite_rects();
//   - dimming: used(x, y) is false for a pixel no texture maps;
//   - status bar: used_by_faces(faces_at(x, y).total(), language), the
//     words for the textures mapping the pixel under the pointer;
//   - after an export: used_among(changed tiles) for "%1 tiles changed, %2 of
//     them used by the level" (Msg::TilesChangedUsed).
// Build it when asked for, from the level file the package was read from:
//   if (auto refs = read_texture_refs(file_name))   // formats/level_textures.h
//       use = TextureUse(*refs, package.height() / kPageSide);
// read_texture_refs throws Error (Msg::TextureUseUnknown, naming the file and
// why) for a level it cannot walk: its pages are fine, its use is unknown.
// Placing the references of a 64-page level takes some tens of milliseconds;
// keep the TextureUse beside the package it was read with.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "formats/texture_refs.h"
#include "model/rect.h"
#include "strings/phrase.h"

namespace tilesmith {

struct PackagePoint {
    int x = 0, y = 0;
};

// An object texture on the package: three or four corners.
struct MappedFace {
    int corner_count = 4;
    std::array<PackagePoint, 4> corners{};
};

// A sprite texture on the package.
struct MappedRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// How many object and sprite textures map some pixel of a tile.
struct TileUse {
    int objects = 0;
    int sprites = 0;
    int total() const { return objects + sprites; }
};

class TextureUse {
public:
    // No level: nothing is mapped, and there are no pages.
    TextureUse() = default;
    // The references of a level whose package has `pages` pages. References
    // to pages the package does not have are counted but not placed; faces
    // reaching past a page's edge are cut at it.
    TextureUse(const LevelTextureRefs& refs, int pages);

    int pages() const { return pages_; }
    // The counts of the level's own tables, placed or not.
    int object_texture_count() const { return object_count_; }
    int sprite_texture_count() const { return sprite_count_; }
    // Textures naming a page the package does not have.
    int off_page_count() const { return off_page_; }

    std::span<const MappedFace> object_faces() const { return faces_; }
    std::span<const MappedRect> sprite_rects() const { return rects_; }

    // Whether a texture maps the pixel; false outside the pages.
    bool used(int x, int y) const;
    // The textures mapping some pixel of the tile; zeros outside the pages.
    TileUse faces_at_tile(int column, int row) const;
    // The textures mapping the pixel: faces whose corners enclose its centre,
    // as used() places them, and sprites over it. Zeros for an unused pixel.
    TileUse faces_at(int x, int y) const;
    bool tile_used(int column, int row) const { return faces_at_tile(column, row).total() > 0; }
    // Of these tiles, how many some texture maps (each counted once).
    int used_among(std::span<const TileSpot> tiles) const;

    // Per page: mapped pixels of its 65536, and its tiles (of 16) no texture maps.
    int used_pixels(int page) const;
    int unused_tiles(int page) const;

private:
    void place_face(const ObjectTextureRef& ref);
    void place_rect(const SpriteTextureRef& ref);
    std::size_t tile_index(int column, int row) const;

    int pages_ = 0;
    int object_count_ = 0, sprite_count_ = 0, off_page_ = 0;
    std::vector<MappedFace> faces_;
    std::vector<MappedRect> rects_;
    std::vector<std::uint8_t> mapped_;  // a byte a package pixel: non-zero when mapped
    std::vector<TileUse> tiles_;        // a tile at a time, row by row
};

// The status bar's words for the textures mapping a pixel, as the language
// writes their count: "used by no face", "used by 1 face", "used by 2 faces".
Phrase used_by_faces(int count, Language language);

// A share of a page as a whole percent for people: rounded to the nearest,
// but 0 only when nothing and 100 only when everything is used.
int whole_percent(std::int64_t part, std::int64_t whole);

}  // namespace tilesmith
