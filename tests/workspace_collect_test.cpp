// Tiles of many files gathered into one package: order, kinds, unused tiles,
// skipped inputs, the manifest and the folders walked.
#include <gtest/gtest.h>

#include <filesystem>

#include "formats/dispatch.h"
#include "formats/level_textures.h"
#include "model/collect.h"
#include "support/level_builder.h"
#include "support/workspace_fixtures.h"

namespace tilesmith {
namespace {

struct Collect : ::testing::Test {
    TempDir dir;
    std::string image(const std::string& name, const Package& package) {
        CountingProgress progress;
        write_package(dir.file(name), package, progress);
        return dir.file(name);
    }
};

TEST_F(Collect, KeepsInputOrderAndTheFirstOfEachKind) {
    const std::vector<std::string> inputs{image("a.tga", tiles_of({1, 2, 1})), image("b.tga", tiles_of({2, 3}))};
    CollectOptions options;
    options.unique = true;
    options.width = 2;
    const CollectResult r = collect_tiles(inputs, options, {});
    Package expected(2 * kTileSide, 2 * kTileSide, kTransparent);
    expected.copy_rect(tiles_of({1, 2}), 0, 0, 2 * kTileSide, kTileSide, 0, 0);
    expected.copy_rect(tiles_of({3}), 0, 0, kTileSide, kTileSide, 0, kTileSide);
    EXPECT_EQ(r.package, expected);
    EXPECT_EQ(r.read, 5);
    EXPECT_EQ(r.duplicates, 2);
    EXPECT_EQ(r.unused, 0);
    EXPECT_EQ(collect_manifest(r, inputs), std::string(kManifestHeader) + "\n0," + inputs[0] + ",0,0,0,1\n1," + inputs[0] + ",0,64,0,2\n2," +
                                               inputs[1] + ",0,64,0,1\n");

    options.unique = false;
    const CollectResult all = collect_tiles(inputs, options, {});
    EXPECT_EQ(all.tiles.size(), 5u);
    EXPECT_EQ(all.duplicates, 0);
    std::vector<int> held;
    for (const CollectedTile& t : all.tiles) held.push_back(t.inputs);
    EXPECT_EQ(held, (std::vector<int>{1, 2, 1, 2, 1}));
}

// One rule for both: collect --unique leaves out what Remove duplicate tiles removes.
TEST_F(Collect, CountsTheDuplicatesTheWindowRemovesTransparentOnesIncluded) {
    Package tiles = tiles_of({1, 0, 2, 0, 1, 0});
    for (const int n : {1, 3, 5}) tiles.fill_rect(n * kTileSide, 0, kTileSide, kTileSide, kTransparent);
    Workspace ws;
    ws.edits().use_target(tiles.clone());
    CollectOptions unique;
    unique.unique = true;
    EXPECT_EQ(collect_tiles({image("t.tga", tiles)}, unique, {}).duplicates, 3);
    EXPECT_EQ(ws.edits().remove_duplicate_tiles(), 3);
}

TEST_F(Collect, UsedOnlyLeavesOutTheTilesNoTextureOfALevelMaps) {
    const LevelSpec wanted{Game::tr4, 3, 2, 5};
    const std::string level = dir.put("level.tr4", make_level(wanted).bytes);
    const TextureUse use(*read_texture_refs(level), wanted.pages);
    int unused = 0;
    for (int page = 0; page < wanted.pages; ++page) unused += use.unused_tiles(page);
    ASSERT_GT(unused, 0);
    CollectOptions options;
    options.used_only = true;
    const CollectResult r = collect_tiles({level, image("a.tga", tiles_of({1, 2}))}, options, {});
    EXPECT_EQ(r.read, wanted.pages * 16 + 2);
    EXPECT_EQ(r.unused, unused);
    EXPECT_EQ((long long)r.tiles.size(), r.read - unused);
    for (const CollectedTile& t : r.tiles) EXPECT_TRUE(t.input == 1 || use.tile_used(t.tile.column, t.tile.row));
}

TEST_F(Collect, SkipsWhatCannotBeReadAndNamesIt) {
    Bytes truncated = make_tr2(2);
    truncated.resize(5000);
    const std::vector<std::string> inputs{image("a.tga", tiles_of({1})), dir.file("missing.tga"),
                                          dir.put("short.tr2", truncated), image("b.tga", tiles_of({2}))};
    std::vector<std::string> said;
    const CollectResult r = collect_tiles(inputs, {}, [&](int input, const std::optional<Phrase>& why) {
        said.push_back(std::to_string(input) + (why ? ": " + why->text(Language::English) : ""));
    });
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0], "0");
    EXPECT_NE(said[1].find(inputs[1]), std::string::npos) << said[1];
    EXPECT_NE(said[2].find(inputs[2]), std::string::npos) << said[2];
    EXPECT_EQ(said[3], "3");
    EXPECT_EQ(r.failed, 2);
    Package expected(4 * kTileSide, kTileSide, kTransparent);
    expected.copy_rect(tiles_of({1, 2}), 0, 0, 2 * kTileSide, kTileSide, 0, 0);
    EXPECT_EQ(r.package, expected);
}

TEST_F(Collect, WalksFoldersForReadableFilesInNameOrder) {
    std::filesystem::create_directories(dir.file("in/sub"));
    for (const char* name : {"in/b.tga", "in/a.TR4", "in/sub/c.png", "in/notes.txt", "in/out.tga"})
        dir.put(name, Bytes{1});
    const CollectInputs found = collect_inputs({dir.file("x.bmp"), dir.file("in")}, {dir.file("in/out.tga")});
    EXPECT_TRUE(found.problems.empty());
    EXPECT_EQ(found.files, (std::vector<std::string>{dir.file("x.bmp"), dir.file("in/a.TR4"), dir.file("in/b.tga"),
                                                     dir.file("in/sub/c.png")}));
}

}  // namespace
}  // namespace tilesmith
