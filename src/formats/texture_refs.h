// The texture references of a level: where on its pages its object textures
// (the faces of rooms and meshes) and its sprite textures take their pixels.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace tilesmith {

// A corner in page pixels, 0..256 each way: the edge between pixels, so a
// face covering a whole 64 x 64 tile has corners 0 and 64.
struct PageCorner {
    std::int16_t x = 0, y = 0;
};

// One object texture: its page (flag bits stripped) and its corners in the
// order the level gives them; triangles use the first three. The attribute
// tells how it is drawn: 0 opaque, 1 with its transparent pixels cut out,
// 2 and above added to what lies behind.
struct ObjectTextureRef {
    int page = 0;
    int corner_count = 4;
    std::array<PageCorner, 4> corners{};
    std::uint16_t attribute = 0;
};

// One sprite texture: its page and rectangle in page pixels, and the sides
// of the quad it is drawn on about the sprite's place, in level units (x
// right, y down, as the camera sees it).
struct SpriteTextureRef {
    int page = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where the walk found the texture tables, for a writer that moves what they
// point at: offsets in the bytes walked (the file, or Tomb Raider 4's level
// data block once inflated). Tomb Raider 4 and 5 also give their level data
// block's place in the file: its bytes (compressed in 4) and inflated size.
struct TextureTablePlaces {
    std::int64_t objects_at = 0, object_record_bytes = 0;
    std::int64_t sprites_at = 0;
    std::int64_t level_data_at = 0, level_data_bytes = 0, level_data_unpacked = 0;
};

struct LevelTextureRefs {
    std::vector<ObjectTextureRef> objects;
    std::vector<SpriteTextureRef> sprites;
    // Bytes after the last structure the level's layout defines, which the
    // walk passed over (tools that write levels sometimes append data).
    std::int64_t ignored_bytes = 0;
    TextureTablePlaces places;
};

}  // namespace tilesmith
