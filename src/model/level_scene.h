// A level's rooms, the static meshes placed in them and the items placed in
// the level as faces and sprites ready to draw: the model the 3D view of a
// level paints and picks from, with no Qt. Moveables stand in their default
// pose (see level_pose.h); sprites face the camera, so their corners follow it.
//
// Positions are in the level's own units (1024 to a floor sector), x east,
// y down as the level has it, z north. Texture coordinates are package
// pixels: page p covers package rows 256 p .. 256 p + 255, so a corner at
// (u, v) takes the package pixel there; 0 and 64 are the edges of a whole
// tile. A face keeps its room, its place in the room or in its mesh and its
// object texture, so that a click on it can be told and its tiles selected.
//
// Built from the value of the level a package was read from (formats/
// level_file.h), on the worker that reads it, while its pages decode:
//   LevelScene scene(*file.level, pages);
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "formats/level_geometry.h"
#include "model/level_camera.h"
#include "model/level_pose.h"
#include "model/rect.h"

namespace tilesmith {

// How a face meets what lies behind it.
enum class FaceBlend : std::uint8_t {
    opaque,
    cut_out,   // its transparent pixels left out
    additive,  // added to what lies behind
};

struct SceneCorner {
    float x = 0, y = 0, z = 0;
    float u = 0, v = 0;  // package pixels
    std::array<std::uint8_t, 3> light{128, 128, 128};  // 128: the texture as it is
};

struct SceneFace {
    std::array<SceneCorner, 4> corners{};
    int corner_count = 4;
    FaceBlend blend = FaceBlend::opaque;
    bool double_sided = false;
    int page = 0;
    int object_texture = 0;
    int room = 0;  // an item's face: the item's room
    // Its number in the room: the room's quads, then its triangles, then the
    // faces of its static meshes in the order they are placed; an item's
    // faces are numbered on from its first.
    int face = 0;
    int placed_static = -1;  // the static mesh of the room it belongs to; -1 for the room's own
    int item = -1;           // the placed item it belongs to; -1 for rooms and statics
    int object = -1;         // the static mesh's or the item's moveable's object id
    int mesh = -1;           // the item's face: its mesh in the moveable
    int mesh_face = -1;      // a static's or an item's face: its number in its mesh
};

// A sprite: a quad facing the camera at its place, its sides in level units
// about it (x right, y down as the camera sees it), showing a rectangle of
// the package. A room's own sprites stand at a room vertex, a sprite item
// shows the first sprite texture of its sequence.
struct SceneSprite {
    float x = 0, y = 0, z = 0;
    float left = 0, top = 0, right = 0, bottom = 0;
    Rect texture;  // package pixels, within its page
    int page = 0;
    int sprite_texture = 0;
    int room = 0;
    int item = -1;  // -1 for a room's own sprite
    std::array<std::uint8_t, 3> light{128, 128, 128};
};

// Which way a sprite faces: the camera's right and down, in level space.
struct SpriteFacing {
    Vec3 right{}, down{};
};

struct SceneRoom {
    int first_face = 0, face_count = 0;  // its faces in LevelScene::faces()
    bool alternate = false;              // shown in place of another when the level flips
    int alternate_room = -1;             // the room shown in its place when the level flips
    std::array<float, 3> low{}, high{};  // the box of its faces; all zero without faces
};

// A face a ray meets, and how far along the ray.
struct ScenePick {
    int face = -1;    // in LevelScene::faces()
    int sprite = -1;  // in LevelScene::sprites(), when a sprite was met instead
    float distance = 0;
};

class LevelScene {
public:
    LevelScene() = default;
    // The faces and sprites of a level whose package has `pages` pages. Faces
    // and sprites naming a vertex, a texture or a page the level lacks, and
    // items placed in a room it lacks, are left out and counted; everything
    // else of the level is kept.
    LevelScene(const LevelGeometry& geometry, int pages);

    std::span<const SceneFace> faces() const { return faces_; }
    std::span<const SceneRoom> rooms() const { return rooms_; }
    std::span<const SceneSprite> sprites() const { return sprites_; }
    int pages() const { return pages_; }
    int left_out() const { return left_out_; }
    // The box of every face; all zero without faces.
    const std::array<float, 3>& low() const { return low_; }
    const std::array<float, 3>& high() const { return high_; }

    // The package rectangle a face's texture reaches (its corners' box, cut to its page).
    Rect texture_rect(const SceneFace& face) const;
    // The whole tiles that rectangle touches: what a click on the face selects.
    Rect texture_tiles(const SceneFace& face) const;
    // Whether the face's texture takes pixels of the tile (column, row).
    bool uses_tile(const SceneFace& face, int column, int row) const;
    bool uses_tile(const SceneSprite& sprite, int column, int row) const;
    // The whole tiles a picked face or sprite takes pixels of.
    Rect picked_tiles(const ScenePick& pick) const;

    // Animated textures: the object texture a face naming `texture` shows at
    // step `step` of its range's cycle (itself outside any range), and the
    // face as it is drawn then.
    int texture_at_step(int texture, long long step) const;
    SceneFace at_step(const SceneFace& face, long long step) const;
    bool has_animated() const { return !ranges_.empty(); }
    bool animated(const SceneFace& face) const;
    // The corners of a sprite facing the camera, clockwise as it sees them from the top left.
    static std::array<Vec3, 4> sprite_corners(const SceneSprite& sprite, const SpriteFacing& facing);

    // The rooms shown: the level as it starts (no alternate rooms), or
    // flipped (each room that has an alternate gives way to it).
    std::vector<bool> shown_rooms(bool flipped) const;
    // The nearest face of a shown room the ray (in level space) meets on its
    // front, or on either side when it is double-sided, or the nearest sprite
    // facing that way.
    std::optional<ScenePick> pick(const Ray& ray, const std::vector<bool>& shown, const SpriteFacing& facing = {}) const;

private:
    void add_face(const GeometryFace& f, const std::vector<GeometryVertex>& vertices, const LevelGeometry& geometry,
                  SceneFace face, const std::array<std::uint8_t, 3>* light, const Affine* place);
    void add_items(const LevelGeometry& geometry);
    void add_sprite(const LevelGeometry& geometry, int texture, const Vec3& at, SceneSprite sprite);
    void keep_ranges(const LevelGeometry& geometry);

    std::vector<SceneFace> faces_;
    std::vector<SceneRoom> rooms_;
    std::vector<SceneSprite> sprites_;
    std::vector<ObjectTextureRef> objects_;
    // Animated ranges, and for each object texture its range and place in it (-1: none).
    std::vector<std::vector<std::uint16_t>> ranges_;
    std::vector<std::pair<int, int>> range_of_;
    int pages_ = 0, left_out_ = 0;
    std::array<float, 3> low_{}, high_{};
};

}  // namespace tilesmith
