// Texture references of every level kind, walked strictly, and the model of
// their use on the package.
#include <gtest/gtest.h>
#include <zlib.h>

#include <sstream>
#include <tuple>

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
    void expect_unwalkable(const LevelSpec& wanted, const Bytes& bytes, const std::string& extension = {}) {
        const std::string path = extension.empty() ? put(wanted, bytes) : dir.put("level" + extension, bytes);
        std::string what;
        try {
            read_texture_refs(path);
        } catch (const Error& e) {
            what = e.message() == Msg::TextureUseUnknown ? e.what() : "";
        }
        EXPECT_NE(what.find(path), std::string::npos) << what;
        Package p;
        EXPECT_TRUE(!extension.empty() || wanted.game < Game::tr2 || !read_package(path, p, {}, progress)->refused());
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

TEST_F(TextureWalk, LevelsCutShortAfterTheirPagesAreRefused) {
    for (const Game game : {Game::tr2, Game::tr3, Game::tr4, Game::tr5}) {
        const LevelSpec wanted{game, 1};
        const Bytes whole = make_level(wanted).bytes;
        for (const std::size_t cut : {whole.size() - 1, whole.size() - 700, whole.size() - 3000}) {
            SCOPED_TRACE(extension_of(game) + " " + std::to_string(cut));
            expect_unwalkable(wanted, Bytes(whole.begin(), whole.begin() + long(cut)));
        }
    }
}

// A level written from the games' published layouts, a token at a time: dN and
// wN a 32- and a 16-bit little-endian number, zN and fN N zero and filler
// bytes, tABC the text; *K repeats a token. Every count is zero but one object
// and one sprite texture.
Bytes layout(const std::string& tokens) {
    Bytes out;
    std::istringstream in(tokens);
    for (std::string t; in >> t;) {
        const auto star = t.find('*');
        const std::string body = t.substr(1, star - 1);
        for (int r = star == std::string::npos ? 1 : std::stoi(t.substr(star + 1)); r > 0; --r) {
            const std::uint64_t n = t[0] == 't' ? 0 : std::stoull(body, nullptr, 0);
            if (t[0] == 't') out.insert(out.end(), body.begin(), body.end());
            else if (t[0] == 'z' || t[0] == 'f') out.resize(out.size() + n, t[0] == 'z' ? 0 : 0xCD);
            else for (int i = 0; i < (t[0] == 'd' ? 4 : 2); ++i) out.push_back(std::uint8_t(n >> (8 * i)));
        }
    }
    return out;
}

// Tomb Raider 4 and 5: three empty picture blocks, the level data block, no samples.
Bytes tr45_level(bool tr5, const std::string& data_tokens) {
    const Bytes data = layout(data_tokens), packed = tr5 ? data : zlib_compress(data, Z_DEFAULT_COMPRESSION);
    Bytes out = layout(std::string("tTR4 z1 w0*3 d0*6 ") + (tr5 ? "z32 d" : "d") + std::to_string(data.size()) + " d" +
                       std::to_string(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
    out.resize(out.size() + 4);
    return out;
}

TEST_F(TextureWalk, LevelsWrittenFromTheLayoutsWalkWithBytesAppendedAndNotCutShort) {
    const std::string meshes = " d0*11 ", tr4 = "d0 w0" + meshes + "tSPR d1 z16 d0*7 z1 tTEX d1 z38 d0 d0 w0 z740 d0 d0";
    const std::pair<std::string, Bytes> levels[] = {
        {".phd", layout("d32 d0 d0 w0" + meshes + "d1 z20 d1 z16 d0 d0*6 z8192 z768 w0 w0 z512 d0 d0 d0")},
        {".tr2", layout("d45 z1792 d0 d0 w0" + meshes + "d1 z20 d1 z16 d0 d0*6 z8192 w0 w0 z740 d0 d0")},
        {".tr2", layout("d0xFF180038 z1792 d0 d0 w0" + meshes + "d1 z16 d0*6 d1 z20 d0 z8192 w0 w0 z740 d0 d0")},
        {".tr4", tr45_level(false, tr4 + " w0*3")},
        {".trc", tr45_level(true, "d0 d0" + meshes + "tSPR z1 d1 z16 d0*7 z1 tTEX z1 d1 z40 d0 d0 w0 z900 d0 d0 f6")}};
    for (const auto& [extension, whole] : levels) {
        for (const int appended : {0, 5}) {
            Bytes longer = whole;
            longer.resize(whole.size() + std::size_t(appended), 0xAB);
            const LevelTextureRefs refs = read_texture_refs(dir.put("level" + extension, longer)).value();
            EXPECT_EQ(std::tuple(refs.objects.size(), refs.sprites.size(), refs.ignored_bytes), std::tuple(1u, 1u, appended));
        }
        expect_unwalkable({}, Bytes(whole.begin(), whole.end() - 1), extension);
    }
    // Tomb Raider 4 without its three closing words, or with one of them not zero.
    for (const char* ending : {"", " w0 w1 w0"}) expect_unwalkable({}, tr45_level(false, tr4 + ending), ".tr4");
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

TEST(TextureUse, ThePixelUnderThePointerCountsTheFacesEnclosingItInEachLanguagesPlural) {
    LevelTextureRefs refs;
    refs.objects.push_back({0, 4, {{{0, 0}, {64, 0}, {64, 64}, {0, 64}}}});  // tile (0, 0)
    refs.objects.push_back({0, 3, {{{0, 0}, {64, 0}, {0, 64}, {0, 0}}}});    // its upper left half
    refs.objects.push_back({0, 3, {{{64, 0}, {128, 0}, {64, 64}, {0, 0}}}});  // the same of tile (1, 0)
    refs.sprites.push_back({0, 40, 40, 8, 8});
    const TextureUse use(refs, 1);
    for (const auto& [x, y, faces] : {std::tuple{1, 1, 2}, {62, 62, 1}, {42, 42, 2}, {65, 1, 1}, {126, 62, 0}})
        EXPECT_EQ(std::pair(use.faces_at(x, y).total(), use.used(x, y)), std::pair(faces, faces > 0)) << x << "," << y;
    const std::pair<int, std::string> polish[] = {{0, "nie używa go żadna ściana"}, {1, "używa go 1 ściana"},
        {2, "używają go 2 ściany"}, {5, "używa go 5 ścian"}, {12, "używa go 12 ścian"}, {24, "używają go 24 ściany"}};
    for (const auto& [count, words] : polish) EXPECT_EQ(used_by_faces(count, Language::Polish).text(Language::Polish), words);
    for (const auto& [count, words] : {std::pair{0, "used by no face"}, {1, "used by 1 face"}, {2, "used by 2 faces"}})
        EXPECT_EQ(used_by_faces(count, Language::English).text(Language::English), words);
}

TEST(TextureUse, TheWordsTellFacesOfRoomsAndObjectsAndSpritesPlacedInEachLanguage) {
    struct Row {
        PixelUse use;
        const char* english;
        const char* polish;
    };
    const Row rows[] = {
        {{0, 0, 0}, "used by no face", "nie używa go żadna ściana"},
        {{9, 3, 1}, "used by 12 faces: 9 in rooms, 3 on objects; 1 sprite",
         "używa go 12 ścian: 9 w pomieszczeniach, 3 na obiektach; 1 sprite"},
        {{1, 0, 0}, "used by 1 face: 1 in rooms, 0 on objects", "używa go 1 ściana: 1 w pomieszczeniach, 0 na obiektach"},
        {{0, 2, 3}, "used by 2 faces: 0 in rooms, 2 on objects; 3 sprites",
         "używają go 2 ściany: 0 w pomieszczeniach, 2 na obiektach; 3 sprite’y"},
        {{0, 0, 5}, "used by 5 sprites", "używa go 5 sprite’ów"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(used_by(row.use, Language::English).text(Language::English), row.english);
        EXPECT_EQ(used_by(row.use, Language::Polish).text(Language::Polish), row.polish);
    }
}

}  // namespace
}  // namespace tilesmith
