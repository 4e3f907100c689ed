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
//   - dimming: sampled(x, y) is false for a pixel no placed face or sprite
//     samples (used(x, y) for a pixel no texture maps at all);
//   - status bar: used_by(placed_at(x, y), language), the words for the
//     faces and sprites of the level that sample the pixel under the pointer;
//   - after an export: used_among(changed tiles) for "%1 tiles changed, %2 of
//     them used by the level" (Msg::TilesChangedUsed).
// Build it from the level's value, read with its pages (formats/level_file.h):
//   use = TextureUse(*file.level, file.package.height() / kPageSide);
// Placing the references of a 64-page level takes some tens of milliseconds;
// keep the TextureUse beside the package it was read with.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "formats/level_geometry.h"
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

// What of a level samples a pixel: faces of its rooms, faces of the static
// meshes and moveables placed in it, and sprites placed (room sprites and
// sprite items). A face whose texture is animated samples every texture of
// its range.
struct PixelUse {
    int room_faces = 0, object_faces = 0, sprites = 0;
    int faces() const { return room_faces + object_faces; }
    int total() const { return faces() + sprites; }
};

class TextureUse {
public:
    // No level: nothing is mapped, and there are no pages.
    TextureUse() = default;
    // The references of a level whose package has `pages` pages. References
    // to pages the package does not have are counted but not placed; faces
    // reaching past a page's edge are cut at it.
    TextureUse(const LevelTextureRefs& refs, int pages);
    // The same for a whole level, which also counts the faces and sprites
    // placed that use each texture.
    TextureUse(const LevelGeometry& level, int pages);

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

    // Whether the use of each texture by faces and sprites placed is known
    // (built from a whole level).
    bool counts_placed() const { return counts_placed_; }
    // The faces and sprites placed that sample the pixel; zeros outside the
    // pages and without counts_placed().
    PixelUse placed_at(int x, int y) const;
    // Whether some face or sprite placed samples the pixel; used(x, y) when
    // not counts_placed().
    bool sampled(int x, int y) const;

    // Per page: mapped pixels of its 65536, and its tiles (of 16) no texture maps.
    int used_pixels(int page) const;
    int unused_tiles(int page) const;

private:
    void place(const LevelTextureRefs& refs);
    void place_face(const ObjectTextureRef& ref, bool sampled);
    void place_rect(const SpriteTextureRef& ref, bool sampled);
    void count_placed(const LevelGeometry& level);
    std::size_t tile_index(int column, int row) const;

    int pages_ = 0;
    int object_count_ = 0, sprite_count_ = 0, off_page_ = 0;
    std::vector<MappedFace> faces_;
    std::vector<MappedRect> rects_;
    // Of each object texture placed (faces_, in order): its index, and the
    // room and object faces that use it; of each sprite texture (rects_) the sprites.
    std::vector<int> face_texture_, rect_texture_;
    std::vector<int> room_faces_, object_faces_, sprites_placed_;
    bool counts_placed_ = false;
    // A byte a package pixel: bit 0 when a texture maps it, bit 1 when a
    // face or sprite placed samples it.
    std::vector<std::uint8_t> mapped_;
    std::vector<TileUse> tiles_;        // a tile at a time, row by row
};

// The status bar's words for the textures mapping a pixel, as the language
// writes their count: "used by no face", "used by 1 face", "used by 2 faces".
Phrase used_by_faces(int count, Language language);
// The same for what a level places: "used by 12 faces: 9 in rooms, 3 on
// objects; 1 sprite", "used by 2 sprites", "used by no face".
Phrase used_by(const PixelUse& use, Language language);

// A share of a page as a whole percent for people: rounded to the nearest,
// but 0 only when nothing and 100 only when everything is used.
int whole_percent(std::int64_t part, std::int64_t whole);

}  // namespace tilesmith
