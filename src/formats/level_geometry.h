// Everything of a level that is not its pages, as the level's walk finds it:
// rooms (geometry, light, placed static meshes, room sprites, alternates),
// meshes, static meshes, moveables with their mesh trees and default pose,
// sprite sequences, the items placed and the animated texture ranges.
// Positions are in the level's own units (1024 to a floor sector), x east,
// y down, z north; faces name object textures by index, sprites sprite textures.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/level_walk.h"
#include "formats/texture_refs.h"

namespace tilesmith {

// A vertex and the light the level gives it, red, green and blue, 128 the
// texture as it is and 255 twice as bright.
struct GeometryVertex {
    std::int32_t x = 0, y = 0, z = 0;
    std::array<std::uint8_t, 3> light{128, 128, 128};
};

// A textured quad or triangle: vertex indices (triangles use three).
struct GeometryFace {
    std::array<std::uint16_t, 4> vertices{};
    std::uint8_t corner_count = 4;
    std::uint16_t texture = 0;  // the object texture, flag bits stripped
    bool double_sided = false;
    bool additive = false;      // Tomb Raider 4 and 5 meshes mark it on the face
};

// A static mesh placed in a room: where, turned about the vertical by
// rotation / 65536 of a whole turn, and which static mesh (its id).
struct PlacedStatic {
    std::int32_t x = 0, y = 0, z = 0;
    std::uint16_t rotation = 0;
    std::uint16_t mesh_id = 0;
    std::array<std::uint8_t, 3> light{128, 128, 128};
};

// A sprite of a room's own (Tomb Raider 1-4): at one of the room's vertices,
// showing a sprite texture (an index of LevelTextureRefs::sprites).
struct RoomSprite {
    std::uint16_t vertex = 0;
    std::uint16_t texture = 0;
};

struct RoomGeometry {
    std::int32_t x = 0, z = 0, y_bottom = 0, y_top = 0;
    std::vector<GeometryVertex> vertices;  // in the level, the room's position added
    std::vector<GeometryFace> quads, triangles;
    std::vector<PlacedStatic> statics;
    std::vector<RoomSprite> sprites;
    int alternate_room = -1;  // the room shown instead of this one when the level flips
    bool alternate = false;   // some other room names this one as its alternate
};

// A mesh: vertices about its own origin and its textured faces, quads first.
struct MeshGeometry {
    std::vector<GeometryVertex> vertices;
    std::vector<GeometryFace> faces;
};

// A static mesh of the level's table: its id and its mesh (an index of
// LevelGeometry::meshes, -1 when the level's pointer leads nowhere).
struct StaticMeshDef {
    std::uint32_t id = 0;
    int mesh = -1;
};

// How mesh k (k >= 1) of a moveable hangs from the mesh before it: with
// bit 0 of the flags it hangs from the mesh last pushed instead (popped),
// with bit 1 the parent is pushed first; then it sits at the offset from it.
struct MeshTreeNode {
    std::uint32_t flags = 0;
    std::int32_t x = 0, y = 0, z = 0;
};

// A turn in 1/65536 of a whole turn about each axis, as every game's frames
// give it once decoded (10-bit angles and Tomb Raider 4/5's 12-bit ones
// widened); the games turn a mesh about y, then x, then z.
struct MeshTurn {
    std::uint16_t x = 0, y = 0, z = 0;
};

// A moveable of the level's table (Lara, enemies, doors, pickups...): its
// object id, its meshes (indices of LevelGeometry::meshes by its mesh
// pointers, -1 where a pointer leads nowhere), the tree that joins them
// (meshes.size() - 1 nodes) and its default pose: the first frame of its
// first animation, an offset of the first mesh and a turn for each mesh.
struct MoveableDef {
    std::uint32_t id = 0;
    std::vector<int> meshes;
    std::vector<MeshTreeNode> tree;
    std::int16_t offset_x = 0, offset_y = 0, offset_z = 0;
    std::vector<MeshTurn> turns;  // one a mesh; missing ones are no turn
};

// A sprite sequence: the object id it stands for and its sprite textures,
// `count` of them from `first` (an index of LevelTextureRefs::sprites).
struct SpriteSequence {
    std::int32_t id = 0;
    int first = 0, count = 0;
};

// An item placed in the level: its object (a moveable's or a sprite
// sequence's id), its room, where it stands and its turn about the vertical
// (rotation / 65536 of a whole turn), its light and its flags.
struct PlacedItem {
    std::int32_t type = 0;
    int room = 0;
    std::int32_t x = 0, y = 0, z = 0;
    std::uint16_t rotation = 0;
    std::array<std::uint8_t, 3> light{128, 128, 128};
    std::uint16_t flags = 0;
};

// Object textures shown in turn: faces naming one of them cycle through all.
struct AnimatedRange {
    std::vector<std::uint16_t> textures;
};

struct LevelGeometry {
    int game = 0;  // 1-5
    std::vector<RoomGeometry> rooms;
    std::vector<MeshGeometry> meshes;
    // Each mesh pointer's mesh (an index of meshes), -1 where it leads nowhere.
    std::vector<int> mesh_of_pointer;
    std::vector<StaticMeshDef> static_meshes;
    std::vector<MoveableDef> moveables;
    std::vector<SpriteSequence> sprite_sequences;
    std::vector<PlacedItem> items;
    std::vector<AnimatedRange> animated;
    LevelTextureRefs textures;

    // The counts of the level's own fields, every room included.
    std::int64_t quad_count() const;
    std::int64_t triangle_count() const;
    std::int64_t placed_static_count() const;
    std::int64_t room_sprite_count() const;

    // The moveable, static mesh or sprite sequence of an object id; null when none.
    const MoveableDef* moveable(std::int64_t id) const;
    const StaticMeshDef* static_mesh(std::int64_t id) const;
    const SpriteSequence* sprite_sequence(std::int64_t id) const;
    // The moveable whose meshes the game draws for a moveable: Tomb Raider
    // 3 dresses Lara (id 0) in her skin of id 315, 4 and 5 in that of id 8,
    // where the level has one.
    const MoveableDef* dressed(const MoveableDef& moveable) const;
    // The mesh the game draws as mesh k of a moveable: its dress's where the
    // dress has one, else its own (an index of meshes, or -1).
    int drawn_mesh(const MoveableDef& moveable, std::size_t k) const;
    // Items whose object is a moveable, and those that are sprites.
    std::int64_t placed_moveable_count() const;
    std::int64_t placed_sprite_item_count() const;
    // The textured faces of every static mesh placed and of every placed
    // item's moveable, its own meshes as its mesh pointers give them.
    std::int64_t textured_object_face_count() const;
};

// Reads what a successful walk of game `game` kept, from the bytes it walked;
// throws Error (Msg::RoomsUnknown) naming the file when a room or a mesh does
// not hold what its counts say. Counts size nothing before they are checked
// against the bytes of their record.
LevelGeometry read_level_geometry(LevelBytes& bytes, const GeometryStretches& found, int game,
                                  LevelTextureRefs textures, const std::string& file_name);

// The whole level of a file alone, from the one reading of level_file.h;
// nullopt for images, object packages and unknown extensions. Throws Error
// (Msg::RoomsUnknown, naming the file and why) when its rooms cannot be read,
// and the errors of reading it.
std::optional<LevelGeometry> read_level_rooms(const std::string& file_name);

// Throws Error naming the file: its rooms cannot be read, and why.
[[noreturn]] void refuse_room_walk(const std::string& file_name, Phrase problem);

}  // namespace tilesmith
