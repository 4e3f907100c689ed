// The rooms and static meshes of every level kind, the scene made of them,
// and `info --rooms`.
#include <gtest/gtest.h>

#include "core/error.h"
#include "formats/level_geometry.h"
#include "model/level_pick_text.h"
#include "model/level_scene.h"
#include "model/texture_use.h"
#include "model/workspace.h"
#include "support/cli_run.h"
#include "support/level_builder.h"
#include "support/room_level.h"
#include "support/test_files.h"
#include "support/workspace_setup.h"

namespace tilesmith {
namespace {

struct LevelRooms : ::testing::Test {
    TempDir dir;
    std::string put(const RoomLevelSpec& wanted) {
        return dir.put("level" + room_level_extension(wanted.game), make_room_level(wanted));
    }
};

TEST_F(LevelRooms, KeptAsEveryGameWritesThemAndTurnedIntoFacesOnThePackage) {
    for (int game = 1; game <= 5; ++game) {
        SCOPED_TRACE(game);
        const std::string path = put(RoomLevelSpec{game, 2, 2, 0, {200, 40, 40}, {}, 0});
        const auto geometry = read_level_rooms(path);
        ASSERT_TRUE(geometry);
        ASSERT_EQ(geometry->rooms.size(), 2u);
        EXPECT_EQ(std::tuple(geometry->quad_count(), geometry->triangle_count(), geometry->placed_static_count()),
                  std::tuple(1, 2, 1));
        const RoomGeometry& room = geometry->rooms[0];
        EXPECT_EQ(std::tuple(room.vertices[1].x, room.vertices[1].y, room.vertices[1].z), std::tuple(1024, 0, 4096));
        EXPECT_EQ(room.quads[0].double_sided, game >= 3);
        EXPECT_TRUE(geometry->rooms[1].alternate && !room.alternate && room.alternate_room == 1);

        // Read on opening, beside the pages: each room's faces, then its static meshes'.
        Workspace ws;
        run_task(ws.files().open(Side::source, path, nullptr));
        ASSERT_TRUE(ws.origins().scene(Side::source));
        const LevelScene& scene = *ws.origins().scene(Side::source);
        ASSERT_EQ(scene.faces().size(), 4u);
        const SceneFace& quad = scene.faces()[0];
        const SceneFace& triangle = scene.faces()[1];
        const SceneFace& mesh = scene.faces()[2];
        EXPECT_EQ(std::tuple(quad.corners[2].u, quad.corners[2].v, quad.blend), std::tuple(128.f, 64.f, FaceBlend::opaque));
        EXPECT_EQ(std::tuple(triangle.corner_count, triangle.corners[2].v, triangle.blend, triangle.page),
                  std::tuple(3, 256.f + 64.f, FaceBlend::cut_out, 1));
        EXPECT_EQ(std::tuple(scene.faces()[3].room, scene.faces()[3].face), std::tuple(1, 0));
        // A quarter turn takes the mesh's x axis to the level's -z.
        EXPECT_NEAR(mesh.corners[1].x, 2560, 0.01);
        EXPECT_NEAR(mesh.corners[1].z, 4508, 0.01);
        EXPECT_EQ(std::tuple(mesh.corners[2].y, mesh.placed_static, mesh.blend),
                  std::tuple(-612.f, 0, game >= 4 ? FaceBlend::additive : FaceBlend::opaque));
        EXPECT_EQ(scene.texture_tiles(quad), (Rect{64, 0, 128, 64}));
        EXPECT_TRUE(scene.uses_tile(quad, 1, 0) && !scene.uses_tile(quad, 0, 0) && !scene.uses_tile(quad, 2, 0));
    }
}

TEST_F(LevelRooms, ObjectsAreReadAsTheFirstAndFourthGamesWriteThem) {
    for (const int game : {1, 4}) {
        SCOPED_TRACE(game);
        RoomLevelSpec wanted;
        wanted.game = game;
        wanted.objects = true;
        const auto level = read_level_rooms(put(wanted));
        ASSERT_TRUE(level);
        ASSERT_EQ(level->room_sprite_count(), 1);
        const RoomSprite room_sprite = level->rooms[0].sprites[0];
        EXPECT_EQ(std::tuple(room_sprite.vertex, room_sprite.texture), std::tuple(2, 0));
        EXPECT_EQ(level->mesh_of_pointer, (std::vector{0, 0, -1}));
        ASSERT_EQ(level->moveables.size(), 1u);
        const MoveableDef& lara = level->moveables[0];
        EXPECT_EQ(lara.meshes, (std::vector{0, 0}));
        ASSERT_EQ(lara.tree.size(), 1u);
        EXPECT_EQ(std::tuple(lara.tree[0].flags, lara.tree[0].y), std::tuple(2u, -100));
        EXPECT_EQ(std::tuple(lara.offset_x, lara.offset_y, lara.offset_z), std::tuple(10, -442, 20));
        ASSERT_EQ(lara.turns.size(), 2u);
        EXPECT_EQ(std::tuple(lara.turns[0].x, lara.turns[0].y, lara.turns[1].z, lara.turns[1].x), std::tuple(16384, 0, 32768, 0));
        const SpriteTextureRef& sprite = level->textures.sprites.at(0);
        EXPECT_EQ(std::tuple(sprite.width, sprite.height, sprite.left, sprite.top, sprite.right, sprite.bottom),
                  game == 1 ? std::tuple(8, 16, -20, -40, 20, 0) : std::tuple(8, 16, -16, -64, 16, 0));
        ASSERT_TRUE(level->sprite_sequence(200));
        EXPECT_EQ(std::pair(level->sprite_sequence(200)->first, level->sprite_sequence(200)->count), std::pair(0, 1));
        ASSERT_EQ(level->items.size(), 2u);
        const PlacedItem& item = level->items[0];
        EXPECT_EQ(std::tuple(item.room, item.x, item.y, item.z, item.rotation, item.flags), std::tuple(0, 512, -256, 4608, 0x4000, 0x3E00));
        EXPECT_EQ(level->items[1].room, -1);
        EXPECT_EQ(std::pair(item.light[0], level->items[1].light[0]), std::pair(std::uint8_t(192), std::uint8_t(128)))
            << "-1 leaves an item in its room's light";
        EXPECT_EQ(std::tuple(level->placed_moveable_count(), level->placed_sprite_item_count(), level->textured_object_face_count()),
                  std::tuple(1, 1, 3));
        ASSERT_EQ(level->animated.size(), 1u);
        EXPECT_EQ(level->animated[0].textures, (std::vector<std::uint16_t>{0, 1}));
        EXPECT_EQ(level->dressed(lara), &lara) << "no skin in the level";
    }
}

TEST_F(LevelRooms, ThePickedFaceOrSpriteIsNamedByWhatItBelongsTo) {
    RoomLevelSpec wanted;
    wanted.objects = true;
    const LevelScene scene(*read_level_rooms(put(wanted)), wanted.pages);
    const auto first_face = [&](auto belongs) {
        const auto faces = scene.faces();
        return ScenePick{int(std::find_if(faces.begin(), faces.end(), belongs) - faces.begin())};
    };
    ScenePick sprite;
    sprite.sprite = 0;
    const std::pair<ScenePick, std::string> rows[] = {
        {first_face([](const SceneFace& f) { return f.placed_static < 0 && f.item < 0; }), "room 0, face 0, object texture 0"},
        {first_face([](const SceneFace& f) { return f.placed_static >= 0; }), "room 0, static mesh 7, face 0, object texture 0"},
        {first_face([](const SceneFace& f) { return f.item >= 0; }), "moveable 0, mesh 0, face 0, object texture 0"},
        {sprite, "sprite texture 0, room 0"}};
    for (const auto& [pick, words] : rows) EXPECT_EQ(picked_text(scene, pick).text(Language::English), words);
}

TEST(LevelObjects, LaraWearsTheSkinHerGameGivesHer) {
    LevelGeometry level;
    for (const std::uint32_t id : {0u, 8u, 315u}) level.moveables.push_back({id, {0}, {}, 0, 0, 0, {}});
    for (const auto& [game, worn] : {std::pair{1, 0u}, {2, 0u}, {3, 315u}, {4, 8u}, {5, 8u}}) {
        level.game = game;
        EXPECT_EQ(level.dressed(level.moveables[0])->id, worn) << game;
        EXPECT_EQ(level.dressed(level.moveables[1])->id, 8u) << "only Lara is dressed";
    }
}

TEST_F(LevelRooms, TheUseOfAPixelCountsTheFacesAndSpritesPlacedThroughAnimatedRanges) {
    for (const int game : {1, 4}) {
        SCOPED_TRACE(game);
        RoomLevelSpec wanted;
        wanted.game = game;
        wanted.objects = true;
        Workspace ws;
        run_task(ws.files().open(Side::source, put(wanted), nullptr));
        const TextureUse* use = ws.origins().texture_use(Side::source);
        ASSERT_TRUE(use && use->counts_placed());
        // Textures 0 and 1 cycle: each counts the room's quad and two triangles,
        // the static mesh's face and Lara's two meshes of it; the sprite is
        // placed in the room and as an item.
        const PixelUse tile = use->placed_at(100, 30), corner = use->placed_at(5, 256 + 5), sprite = use->placed_at(20, 40);
        EXPECT_EQ(std::tuple(tile.room_faces, tile.object_faces, tile.sprites), std::tuple(3, 3, 0));
        EXPECT_EQ(std::tuple(corner.room_faces, corner.object_faces), std::tuple(3, 3));
        EXPECT_EQ(sprite.sprites, 2);
        EXPECT_TRUE(use->sampled(100, 30) && !use->sampled(200, 200));
    }
}

TEST_F(LevelRooms, APreviewDressesABaseLevelInTheTargetUntilTheTargetHasALevelOfItsOwn) {
    const std::string base = put(RoomLevelSpec{4, 2, 2, 0, {200, 40, 40}, {}, 0});
    Workspace ws;
    std::optional<Phrase> refusal = Phrase(Msg::UnknownError);
    run_task(ws.files().check_export_base(base, [&](const std::optional<Phrase>& r) { refusal = r; }));
    ASSERT_FALSE(refusal);
    run_task(ws.files().preview_on(base, nullptr));
    EXPECT_EQ(ws.origins().scene_side(), Side::target);
    ASSERT_TRUE(ws.origins().scene(Side::target));
    EXPECT_EQ(ws.origins().scene(Side::target)->faces().size(), 4u);
    EXPECT_EQ(ws.origins().file_of(Side::target), "") << "the target is still the package it was";
    const auto preview = ws.origins().shared_scene(Side::target);
    const std::string own = dir.put("own.tr2", make_room_level(RoomLevelSpec{2, 1, 1, 0, {9, 9, 9}, {}, 0}));
    run_task(ws.files().open(Side::target, own, nullptr));
    EXPECT_TRUE(ws.origins().scene(Side::target) && ws.origins().shared_scene(Side::target) != preview);
}

TEST_F(LevelRooms, HostileCountsAreRefusedNamingTheFileAndThePagesStillOpen) {
    struct Row {
        int game;
        const char* field;
        std::uint32_t value;
    };
    const Row rows[] = {{1, "room vertices", 0x7FFF},      {2, "room vertices", 0xFFFF},
                        {3, "room quads", 0x7FFF},         {4, "room triangles", 0x7FFF},
                        {4, "mesh vertices", 0x7FFF},      {2, "static meshes placed", 0xFFFF},
                        {3, "rooms", 0xFFFF},              {5, "rooms", 0xFFFFFFFF},
                        {5, "room vertices", 0xFFFF},      {5, "roomlets", 0x10000000},
                        {5, "vertices offset", 0xFFFFFF00}, {5, "static meshes placed", 0xFFFF},
                        {1, "room sprites", 0x7FFF}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.game) + " " + row.field);
        RoomLevelSpec wanted;
        wanted.game = row.game;
        wanted.hostile = row.field;
        wanted.hostile_value = row.value;
        const std::string path = put(wanted);
        try {
            read_level_rooms(path);
            ADD_FAILURE() << "read";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), Msg::RoomsUnknown);
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
        Workspace ws;
        bool opened = false;
        run_task(ws.files().open(Side::source, path, [&](const OpenAnswer& a) { opened = a.recognised && !a.refusal; }));
        EXPECT_TRUE(opened && !ws.origins().scene(Side::source) && ws.origins().scene_problem(Side::source));
    }
}

TEST_F(LevelRooms, InfoPrintsTheCountsOfLevelsOnly) {
    RoomLevelSpec tr4;
    tr4.game = 4;
    tr4.objects = true;
    const std::string level = put(tr4);
    CliRun r = run_cli({"info", "--rooms", level});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Tomb Raider 4 level: 2 pages; 256 x 512 pixels, 4 x 8 tiles\n"
                     "rooms: 2, room faces: 3 (1 quads, 2 triangles), static meshes placed: 1\n"
                     "items placed: 2 (1 moveables, 1 sprites), room sprites: 1, textured object faces: 3, "
                     "animated texture ranges: 1\n");
    const std::string wad = dir.put("w.wad", make_wad(1, 196608));
    r = run_cli({"info", "--rooms", wad});
    EXPECT_EQ(std::pair(r.status, r.err), std::pair(1, std::string("tilesmith-cli: only levels have rooms\n")));
    RoomLevelSpec hostile;
    hostile.hostile = "room quads";
    hostile.hostile_value = 0x7FFF;
    const std::string bad = put(hostile);
    r = run_cli({"info", "--rooms", bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The rooms of \"" + bad + "\" cannot be read: the geometry of room 0"), std::string::npos)
        << r.err;
}

}  // namespace
}  // namespace tilesmith
