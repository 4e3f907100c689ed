// What the 3D view hands OpenGL, made from the scene without OpenGL: the
// faces' triangles in batches of one page, blend and sidedness, built once a
// level (the animated ones again at each step of their cycle), and the
// sprites' quads facing the camera, built every frame.
#pragma once
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/level_scene.h"

namespace tilesmith {

struct DrawVertex {
    float position[3];  // view space
    float uv[2];        // 0..1 on the page
    std::uint8_t light[4];
};

struct DrawBatch {
    int page;
    FaceBlend blend;
    bool double_sided;
    int first, count;  // vertices
};

struct FaceList {
    std::vector<DrawVertex> vertices;
    std::vector<DrawBatch> batches;
    std::vector<int> faces;  // the face of each vertex, for the tint
};

// Which faces a list holds: every one as the level names its texture, or
// while textures are animated, those that stay apart from those that step.
enum class FacesOf { all, still, stepping };

// The shown rooms' faces of the kind, in batches; stepping faces as they are at `step`.
FaceList face_list(const LevelScene& scene, const std::vector<bool>& shown, FacesOf which, long long step = 0);
// Each vertex's tint: 1 where its face uses the tile (column, row).
std::vector<float> face_tint(const LevelScene& scene, const std::vector<int>& faces,
                             std::optional<std::pair<int, int>> tile);

struct SpriteList {
    std::vector<DrawVertex> vertices;
    std::vector<float> tint;
    std::vector<DrawBatch> batches;  // cut out, double-sided
};

SpriteList sprite_list(const LevelScene& scene, const std::vector<bool>& shown, const SpriteFacing& facing,
                       std::optional<std::pair<int, int>> tile);

}  // namespace tilesmith
