// Small levels with real rooms, written byte by byte from the games' published
// layouts: every structure the walks step over, most of them empty, and rooms,
// a mesh and a static mesh that say something.
//
// Room 0 lies at x 0, z 4096: four vertices of the 1024 x 1024 floor square
// (0, 0, 0) (1024, 0, 0) (1024, 0, 1024) (0, 0, 1024) about its position, a
// quad over them with object texture 0 (double-sided from the third game on),
// a triangle 0 1 2 with object texture 1, and the static mesh 7 placed at
// (2560, -512, 4608) turned a quarter turn; its alternate is room 1. Every
// other room r lies at x 4096 r with the same vertices and one triangle
// 0 2 3 of object texture 1, and `extra_quads` more quads of texture 0.
// Static mesh 7's mesh: vertices (0,0,0) (100,0,0) (100,-100,0) (0,-100,0)
// and a quad over them, texture 0, additive in the fourth and fifth games.
// Object texture 0 (opaque) maps tile (1, 0) of page 0: corners (64, 0)
// (128, 0) (128, 64) (64, 64). Object texture 1 (transparent pixels cut out),
// a triangle, maps (0, 0) (64, 0) (0, 64) of the last page. Every texture
// pixel is `colour`.
// With `objects`: room 0 has a sprite at its vertex 2 showing sprite texture
// 0 (8 x 16 pixels at (16, 32); sides -20 -40 20 0 in the first three games);
// mesh pointers 0 and 1 lead to the static mesh's mesh, pointer 2 nowhere;
// moveable 0 (Lara) has meshes 0 and 1, a tree node (flags 2, offset
// (0, -100, 0)) and animation 0, whose frame (at byte 4 of the frame words)
// puts it at (10, -442, 20) turning mesh 0 a quarter turn about x and mesh 1
// half a turn about z; sprite sequence 200 is sprite texture 0; Lara stands
// in room 0 at (512, -256, 4608) turned a quarter turn, flags 0x3E00, light
// 192 (intensity 2048, or the colour 24, 24, 24), and a sequence 200 item in
// room 5 (no such room), light -1; animated textures 0 and 1.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "support/test_files.h"

namespace tilesmith {

struct RoomLevelSpec {
    int game = 1;  // 1-5
    int pages = 2;
    int rooms = 2;
    int extra_quads = 0;
    std::array<std::uint8_t, 3> colour{200, 40, 40};  // red, green, blue, multiples of 8
    // The field of this name is written as `hostile_value`: "rooms", "room
    // vertices", "room quads", "room triangles" (room 0), "mesh vertices",
    // "static meshes placed", "room sprites" (room 0); Tomb Raider 5 also "roomlets" and
    // "vertices offset" (room 0's header).
    std::string hostile;
    std::uint32_t hostile_value = 0;
    bool objects = false;
};

Bytes make_room_level(const RoomLevelSpec& wanted);
// ".phd", ".tr2", ".tr2", ".tr4", ".trc"
std::string room_level_extension(int game);

}  // namespace tilesmith
