// The level's objects in the scene: a moveable in its default pose where an
// item places it, sprites facing the camera, animated textures stepping.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "model/level_scene.h"

using namespace tilesmith;

namespace {

GeometryFace quad(std::uint16_t texture) {
    GeometryFace f;
    f.vertices = {0, 1, 2, 3};
    f.texture = texture;
    f.double_sided = true;
    return f;
}

ObjectTextureRef tile_at(int x) {
    ObjectTextureRef t;
    t.corners = {PageCorner{std::int16_t(x), 0}, {std::int16_t(x + 64), 0}, {std::int16_t(x + 64), 64}, {std::int16_t(x), 64}};
    return t;
}

// One room with a floor and a sprite of its own; a moveable of two meshes,
// the second hanging 200 above the first and turned a quarter about y, placed
// turned a quarter itself; a sprite item; object textures 1 and 2 animated.
LevelGeometry small_level() {
    LevelGeometry g;
    g.game = 2;
    g.textures.objects = {tile_at(0), tile_at(64), tile_at(128)};
    g.textures.sprites = {{0, 0, 64, 64, 64, -128, -256, 128, 0}, {0, 64, 64, 64, 64, -128, -256, 128, 0}};
    RoomGeometry room;
    room.vertices = {{0, 0, 0}, {1024, 0, 0}, {1024, 0, 1024}, {0, 0, 1024}};
    room.quads = {quad(1)};
    room.sprites = {{0, 0}};
    g.rooms = {room};
    MeshGeometry floor, wall;
    floor.vertices = {{0, 0, 0}, {100, 0, 0}, {100, 0, 100}, {0, 0, 100}};
    floor.faces = {quad(0)};
    wall.vertices = {{0, 0, 0}, {100, 0, 0}, {100, -100, 0}, {0, -100, 0}};
    wall.faces = {quad(0)};
    g.meshes = {floor, wall};
    MoveableDef moveable;
    moveable.id = 7;
    moveable.meshes = {0, 1};
    moveable.tree = {{0, 0, -200, 0}};
    moveable.turns = {{}, {0, 16384, 0}};
    g.moveables = {moveable};
    g.sprite_sequences = {{20, 1, 1}};
    PlacedItem lara{7, 0, 2048, 0, 1024, 16384};
    PlacedItem sprite{20, 0, 512, -100, 512};
    g.items = {lara, sprite};
    g.animated = {{{1, 2}}};
    return g;
}

const SpriteFacing kFacingNorth{{1, 0, 0}, {0, 1, 0}};

TEST(LevelSceneObjects, TheSecondMeshHangsFromTheFirstTurnedByItsOwnTurnAndTheItems) {
    const LevelScene scene(small_level(), 1);
    const SceneFace* wall = nullptr;
    for (const SceneFace& f : scene.faces())
        if (f.item == 0 && f.mesh == 1) wall = &f;
    ASSERT_NE(wall, nullptr);
    // Mesh corner (100, 0, 0): a quarter about y takes x to -z, twice.
    const SceneCorner& c = wall->corners[1];
    EXPECT_NEAR(c.x, 1948, 0.01);
    EXPECT_NEAR(c.y, -200, 0.01);
    EXPECT_NEAR(c.z, 1024, 0.01);
}

TEST(LevelSceneObjects, ARayPicksTheNearestFaceOrSpriteAndTellsWhatItBelongsTo) {
    const LevelScene scene(small_level(), 1);
    const std::vector<bool> shown(1, true);
    struct Case {
        Vec3 origin;
        int item, mesh, sprite;
    };
    for (const Case& c : {Case{{2000, -250, 0}, 0, 1, -1}, Case{{512, -200, 0}, 1, -1, 1}, Case{{0, -100, -100}, -1, -1, 0}}) {
        const auto hit = scene.pick({c.origin, {0, 0, 1}}, shown, kFacingNorth);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->sprite, c.sprite);
        if (c.sprite >= 0) {
            EXPECT_EQ(scene.sprites()[std::size_t(c.sprite)].item, c.item);
            continue;
        }
        const SceneFace& f = scene.faces()[std::size_t(hit->face)];
        EXPECT_EQ(std::tuple(f.item, f.object, f.mesh, f.mesh_face), std::tuple(c.item, 7, c.mesh, 0));
    }
}

TEST(LevelSceneObjects, TheCameraFramingAFaceClickedInTheCentrePicksItAndItsTextureTiles) {
    const LevelScene scene(small_level(), 1);
    const auto wall = std::find_if(scene.faces().begin(), scene.faces().end(), [](auto& f) { return f.mesh == 1; });
    for (const auto& [face, tiles] : {std::pair{0, Rect{64, 0, 128, 64}}, {int(wall - scene.faces().begin()), Rect{0, 0, 64, 64}}}) {
        const auto& [a, b, c, d] = scene.faces()[std::size_t(face)].corners;
        LevelCamera camera;
        camera.frame(to_view({a.x, a.y, a.z}), to_view({c.x, c.y, c.z}), 1.5f);
        const Ray ray = camera.ray(300, 200, 600, 400);
        const ScenePick hit = scene.pick({to_level(ray.origin), to_level(ray.direction)}, {true}).value_or(ScenePick{});
        EXPECT_EQ(std::pair(hit.face, scene.picked_tiles(hit)), std::pair(face, tiles));
    }
}

TEST(LevelSceneObjects, ASpriteIsTintedByTheTileItsTextureTakesAndSelectsIt) {
    const LevelScene scene(small_level(), 1);
    const SceneSprite& item = scene.sprites()[1];
    EXPECT_TRUE(scene.uses_tile(item, 1, 1));
    EXPECT_FALSE(scene.uses_tile(item, 0, 1));
    EXPECT_EQ(scene.picked_tiles({-1, 1, 0}), (Rect{64, 64, 128, 128}));
}

TEST(LevelSceneObjects, AnAnimatedFaceShowsTheNextTextureOfItsRangeAtEachStep) {
    const LevelScene scene(small_level(), 1);
    EXPECT_EQ(std::tuple(scene.texture_at_step(1, 1), scene.texture_at_step(2, 1), scene.texture_at_step(1, 2),
                         scene.texture_at_step(0, 1)),
              std::tuple(2, 1, 1, 0));
    const SceneFace stepped = scene.at_step(scene.faces()[0], 1);
    EXPECT_EQ(std::tuple(stepped.object_texture, stepped.corners[0].u), std::tuple(2, 128.0f));
}

}  // namespace
