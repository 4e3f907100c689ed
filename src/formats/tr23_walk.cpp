// The texture references of Tomb Raider 2 and 3 levels: every structure from
// the page count to the sample indices that end the file.
#include <optional>

#include "core/checked.h"
#include "formats/level_format.h"
#include "formats/level_walk.h"
#include "formats/tr23.h"

namespace tilesmith {

namespace {

enum class Game { tr2, tr3 };

constexpr std::int64_t kLightMapBytes = 8192;
constexpr std::int64_t kSoundMapBytes = 370 * 2;

void walk_room(LevelWalker& w, Game game) {
    w.skip_bytes(16, "room position");
    w.counted(4, 2, "room geometry words");
    w.counted(2, 32, "room portals");
    const std::int64_t columns = w.count(2, "room sector");
    const std::int64_t rows = w.count(2, "room sector");
    w.skip(columns * rows, 8, "room sectors");
    w.skip_bytes(game == Game::tr2 ? 6 : 4, "room ambient light");
    w.counted(2, 24, "room lights");
    w.counted(2, 20, "room static meshes");
    // Tomb Raider 3 adds the water scheme, the reverb and a filler byte.
    w.skip_bytes(game == Game::tr2 ? 4 : 7, "room alternate and flags");
}

// From the page count to the end of the static meshes.
void walk_head(LevelWalker& w, Game game) {
    const std::int64_t pages = w.count(4, "texture page");
    w.skip(pages, kPage8Bytes + kPage16Bytes, "texture pages");
    w.skip_bytes(4, "unused value");
    const std::int64_t rooms = w.count(2, "room");
    for (std::int64_t i = 0; i < rooms && w.ok(); ++i) walk_room(w, game);
    w.counted(4, 2, "floor data words");
    w.counted(4, 2, "mesh data words");
    w.counted(4, 4, "mesh pointers");
    w.counted(4, 32, "animations");
    w.counted(4, 6, "state changes");
    w.counted(4, 8, "animation dispatches");
    w.counted(4, 2, "animation commands");
    w.counted(4, 4, "mesh tree words");
    w.counted(4, 2, "frame words");
    w.counted(4, 18, "models");
    w.counted(4, 32, "static meshes");
}

// From the cameras to the animated textures.
void walk_middle(LevelWalker& w) {
    w.counted(4, 16, "cameras");
    w.counted(4, 16, "sound sources");
    const std::int64_t boxes = w.count(4, "box");
    w.skip(boxes, 8, "boxes");
    w.counted(4, 2, "overlaps");
    w.skip(boxes, 20, "zones");
    w.counted(4, 2, "animated texture words");
}

// From the cinematic frames to the sample indices, ending with the file.
void walk_tail(LevelWalker& w) {
    w.counted(2, 16, "cinematic frames");
    w.counted(2, 1, "demo data bytes");
    w.skip_bytes(kSoundMapBytes, "sound map");
    w.counted(4, 8, "sound details");
    w.counted(4, 4, "sample indices");
    w.expect_end();
}

LevelTextureRefs refs_of(LevelBytes& bytes, const Table& objects, const Table& sprites) {
    LevelTextureRefs refs;
    read_object_textures(bytes, objects, kTr123ObjectTexture, refs);
    read_sprite_textures(bytes, sprites, refs);
    return refs;
}

// Tomb Raider 2: the object and sprite textures after the static meshes; the
// light map after the items, or in the demos right after the sprite sequences.
LevelTextureRefs walk_tr2_textures(InFile& in) {
    FileBytes bytes(in);
    LevelWalker head(bytes, kTr2PageCountOffset);
    walk_head(head, Game::tr2);
    const Table objects = head.table(4, kTr123ObjectTexture.record_bytes, "object textures");
    const Table sprites = head.table(4, kSpriteTextureBytes, "sprite textures");
    head.counted(4, 8, "sprite sequences");
    if (!head.ok()) refuse_texture_walk(in.path(), head.problem());

    LevelWalker usual = head;
    walk_middle(usual);
    usual.counted(4, 24, "items");
    usual.skip_bytes(kLightMapBytes, "light map");
    walk_tail(usual);

    LevelWalker demo = head;
    demo.skip_bytes(kLightMapBytes, "light map");
    walk_middle(demo);
    demo.counted(4, 24, "items");
    walk_tail(demo);

    if (!usual.ok() && !demo.ok()) refuse_texture_walk(in.path(), usual.problem() + " in the Tomb Raider 2 layout");
    return refs_of(bytes, objects, sprites);
}

// Tomb Raider 3: the sprite textures after the static meshes, the object
// textures after the animated textures. The version 0xFF180034 ends with its pages.
LevelTextureRefs walk_tr3_textures(InFile& in) {
    FileBytes bytes(in);
    LevelWalker w(bytes, 0);
    const std::int64_t version = w.count(4, "version");
    w.skip_bytes(kTr2PageCountOffset - 4, "palettes");
    if (version == 0xFF180034) {
        w.skip(w.count(4, "texture page"), kPage8Bytes + kPage16Bytes, "texture pages");
        w.expect_end();
        if (!w.ok()) refuse_texture_walk(in.path(), w.problem());
        return {};
    }
    walk_head(w, Game::tr3);
    const Table sprites = w.table(4, kSpriteTextureBytes, "sprite textures");
    w.counted(4, 8, "sprite sequences");
    walk_middle(w);
    const Table objects = w.table(4, kTr123ObjectTexture.record_bytes, "object textures");
    w.counted(4, 24, "items");
    w.skip_bytes(kLightMapBytes, "light map");
    walk_tail(w);
    if (!w.ok()) refuse_texture_walk(in.path(), w.problem() + " in the Tomb Raider 3 layout");
    return refs_of(bytes, objects, sprites);
}

constexpr std::string_view kTr2Extensions[] = {".tr2"};

bool tr2_signature(const std::uint8_t* first) { return read_u32le(first) == 0x0000002Du; }
bool tr3_signature(const std::uint8_t* first) {
    const std::uint32_t v = read_u32le(first);
    return v == 0xFF080038u || v == 0xFF180038u || v == 0xFF180034u;
}

constinit const LevelVersion kTr2Version{"Tomb Raider 2 level", tr2_signature, kTr2Extensions, Msg::LevelIsTr2,
                                        walk_tr2_textures};
constinit const LevelVersion kTr3Version{"Tomb Raider 3 level", tr3_signature, kTr2Extensions, Msg::LevelIsTr3,
                                        walk_tr3_textures};

}  // namespace

constinit const LevelVersion* const kTr23Versions[2] = {&kTr2Version, &kTr3Version};

}  // namespace tilesmith
