// Texture references of every level kind, walked strictly, and the model of
// their use on the package.
#include <gtest/gtest.h>

#include "core/error.h"
#include "formats/dispatch.h"
#include "formats/level_textures.h"
#include "model/texture_use.h"
#include "support/level_builder.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

constexpr Game kGames[] = {Game::tr1, Game::tr1_ub, Game::tr2, Game::tr3, Game::tr4, Game::tr5};

struct TextureWalk : ::testing::Test {
    TempDir dir;
    CountingProgress progress;
    std::string put(const LevelSpec& wanted, const Bytes& bytes) {
        return dir.put("level" + extension_of(wanted.game), bytes);
    }
    // The walk refuses, naming the file; the pages open unless the reader needs the walk too.
    void expect_unwalkable(const LevelSpec& wanted, const Bytes& bytes) {
        const std::string path = put(wanted, bytes);
        std::string what;
        try {
            read_texture_refs(path);
        } catch (const Error& e) {
            what = e.message() == Msg::TextureUseUnknown ? e.what() : "";
        }
        EXPECT_NE(what.find(path), std::string::npos) << what;
        Package p;
        EXPECT_TRUE(wanted.game < Game::tr2 || !read_package(path, p, {}, progress)->refused());
    }
};

TEST_F(TextureWalk, CountsEqualTheFilesCountFieldsForEveryKind) {
    for (const Game game : kGames) {
        const LevelSpec wanted{game, 3, 2, 7};
        const BuiltLevel level = make_level(wanted);
        const auto refs = read_texture_refs(put(wanted, level.bytes));
        ASSERT_TRUE(refs) << extension_of(game);
        EXPECT_EQ(int(refs->objects.size()), level.object_textures) << extension_of(game);
        EXPECT_EQ(int(refs->sprites.size()), level.sprite_textures) << extension_of(game);
        // Every fifth face is a triangle, each face one whole tile of its page; sprites are 32 x 16.
        for (std::size_t i = 0; i < refs->objects.size(); ++i) {
            EXPECT_EQ(refs->objects[i].corner_count, i % 5 == 4 ? 3 : 4) << i;
            EXPECT_EQ(refs->objects[i].corners[2].x, 64 * int(i % 4) + 64) << i;
        }
        for (const SpriteTextureRef& s : refs->sprites)
            EXPECT_EQ(std::pair(s.width, s.height), std::pair(32, 16)) << extension_of(game);
    }
}

TEST_F(TextureWalk, HostileCountsBeforeTheObjectTexturesAreRefused) {
    for (const Game game : kGames) {
        for (const BuiltLevel::Count& c : make_level({game, 1}).counts) {
            if (c.name == "object textures") break;
            if (c.name == "version" || c.name == "texture page") continue;
            SCOPED_TRACE(extension_of(game) + " " + c.name);
            LevelSpec wanted{game, 1};
            wanted.hostile_count = c.name;
            expect_unwalkable(wanted, make_level(wanted).bytes);
        }
    }
}

TEST_F(TextureWalk, LevelsCutShortOrLengthenedAfterTheirPagesAreRefused) {
    for (const Game game : {Game::tr2, Game::tr3, Game::tr4, Game::tr5}) {
        const LevelSpec wanted{game, 1};
        const Bytes whole = make_level(wanted).bytes;
        for (const std::size_t cut : {whole.size() - 1, whole.size() - 700, whole.size() - 3000}) {
            SCOPED_TRACE(extension_of(game) + " " + std::to_string(cut));
            expect_unwalkable(wanted, Bytes(whole.begin(), whole.begin() + long(cut)));
        }
        Bytes longer = whole;
        longer.push_back(0);
        expect_unwalkable(wanted, longer);
    }
}

TEST(TextureUse, FacesAndSpritesMapTheirPixelsAndCountOnceATile) {
    LevelTextureRefs refs;
    refs.objects.push_back({0, 4, {{{0, 0}, {64, 0}, {64, 64}, {0, 64}}}});     // tile (0, 0)
    refs.objects.push_back({0, 3, {{{64, 0}, {192, 0}, {64, 64}, {0, 0}}}});    // half of (1, 0), a corner of (2, 0)
    refs.objects.push_back({5, 4, {}});                                         // no such page
    refs.sprites.push_back({1, 32, 48, 32, 32});                                // page 1: tiles (0, 4) and (0, 5)
    const TextureUse use(refs, 2);
    EXPECT_EQ(use.off_page_count(), 1);
    EXPECT_TRUE(use.used(0, 0) && use.used(63, 63) && use.used(64, 63) && use.used(127, 0));
    EXPECT_FALSE(use.used(66, 63) || use.used(192, 0) || use.used(31, 256 + 47) || use.used(0, 512));
    EXPECT_TRUE(use.used(32, 256 + 48) && use.used(63, 256 + 79));
    for (const int column : {0, 1, 2}) EXPECT_EQ(use.faces_at_tile(column, 0).objects, 1) << column;
    EXPECT_EQ(use.faces_at_tile(0, 5).sprites, 1);
    EXPECT_EQ(use.used_pixels(1), 32 * 32);
    EXPECT_EQ(use.unused_tiles(0), 13);
    const TileSpot changed[] = {{0, 0}, {0, 0}, {3, 0}, {0, 4}, {3, 7}};
    EXPECT_EQ(use.used_among(changed), 2);
    EXPECT_EQ(std::vector({whole_percent(1, 65536), whole_percent(65535, 65536), whole_percent(32768, 65536)}),
              std::vector({1, 99, 50}));
}

}  // namespace
}  // namespace tilesmith
