// The rooms of a level and the static meshes placed in them, as the level's
// walk finds them. Positions are in the level's own units (1024 to a floor
// sector), x east, y down, z north; the faces name object textures by index.
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

struct RoomGeometry {
    std::int32_t x = 0, z = 0, y_bottom = 0, y_top = 0;
    std::vector<GeometryVertex> vertices;  // in the level, the room's position added
    std::vector<GeometryFace> quads, triangles;
    std::vector<PlacedStatic> statics;
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

struct LevelGeometry {
    int game = 0;  // 1-5
    std::vector<RoomGeometry> rooms;
    std::vector<MeshGeometry> meshes;
    std::vector<StaticMeshDef> static_meshes;
    LevelTextureRefs textures;

    // The counts of the level's own fields, every room included.
    std::int64_t quad_count() const;
    std::int64_t triangle_count() const;
    std::int64_t placed_static_count() const;
};

// Reads what a successful walk of game `game` kept, from the bytes it walked;
// throws Error (Msg::RoomsUnknown) naming the file when a room or a mesh does
// not hold what its counts say. Counts size nothing before they are checked
// against the bytes of their record.
LevelGeometry read_level_geometry(LevelBytes& bytes, const GeometryStretches& found, int game,
                                  LevelTextureRefs textures, const std::string& file_name);

// The geometry of a level file, walked by the version the registry finds for
// it; nullopt for images, object packages and unknown extensions. Throws
// Error (Msg::RoomsUnknown, naming the file and why) when its rooms cannot be
// read, and the errors of reading it.
std::optional<LevelGeometry> read_level_rooms(const std::string& file_name);

// Throws Error naming the file: its rooms cannot be read, and why.
[[noreturn]] void refuse_room_walk(const std::string& file_name, Phrase problem);

}  // namespace tilesmith
