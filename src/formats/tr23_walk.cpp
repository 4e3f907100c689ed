// The texture references of Tomb Raider 2 and 3 levels: every structure from
// the page count to the sample indices that end the file.
#include "core/checked.h"
#include "formats/level_format.h"
#include "formats/level_geometry.h"
#include "formats/level_walk.h"
#include "formats/tr23.h"

namespace tilesmith {

namespace {

enum class Game { tr2, tr3 };

constexpr std::int64_t kLightMapBytes = 8192;
constexpr std::int64_t kSoundMapBytes = 370 * 2;

// Tomb Raider 2 adds a light mode to the ambient light; Tomb Raider 3 the
// water scheme, the reverb and a filler byte after the flags.
constexpr RoomLayout kTr2Room{6, 24, 20, 4};
constexpr RoomLayout kTr3Room{4, 24, 20, 7};

// From the page count to the end of the static meshes.
void walk_head(LevelWalker& w, Game game, GeometryStretches* keep) {
    const std::int64_t pages = w.count(4, "texture page");
    w.skip_pages(pages, kPage8Bytes + kPage16Bytes);
    w.skip_bytes(4, "unused value");
    const std::int64_t rooms = w.count(2, "room");
    for (std::int64_t i = 0; i < rooms && w.ok(); ++i) walk_room(w, game == Game::tr2 ? kTr2Room : kTr3Room, keep);
    walk_meshes_to_static_meshes(w, 32, 18, keep);
}

// From the cameras to the animated textures, whose words' place goes to `keep`.
void walk_middle(LevelWalker& w, GeometryStretches& keep) {
    w.counted(4, 16, "cameras");
    w.counted(4, 16, "sound sources");
    walk_boxes_to_animated_textures(w, 8, 20, &keep.animated_words);
}

LevelTextureRefs refs_of(LevelBytes& bytes, const Table& objects, const Table& sprites, std::int64_t ignored) {
    LevelTextureRefs refs;
    refs.ignored_bytes = ignored;
    read_object_textures(bytes, objects, kTr123ObjectTexture, refs);
    read_sprite_textures(bytes, sprites, SpriteMapping::size_words, refs);
    return refs;
}

// Tomb Raider 2: the object and sprite textures after the static meshes; the
// light map after the items, or in the demos right after the sprite sequences.
LevelTextureRefs walk_tr2(InFile& in, GeometryStretches* keep) {
    FileBytes bytes(in);
    LevelWalker head(bytes, kTr2PageCountOffset);
    walk_head(head, Game::tr2, keep);
    const Table objects = head.table(4, kTr123ObjectTexture.record_bytes, "object textures");
    const Table sprites = head.table(4, kSpriteTextureBytes, "sprite textures");
    const Table sequences = head.table(4, 8, "sprite sequences");
    if (!head.ok()) refuse_texture_walk(in.path(), head.problem());

    GeometryStretches usual_found, demo_found;
    LevelWalker usual = head;
    walk_middle(usual, usual_found);
    usual_found.items = usual.table(4, 24, "items");
    usual.skip_bytes(kLightMapBytes, "light map");
    walk_cinematics_to_sample_indices(usual, kSoundMapBytes, false);

    LevelWalker demo = head;
    demo.skip_bytes(kLightMapBytes, "light map");
    walk_middle(demo, demo_found);
    demo_found.items = demo.table(4, 24, "items");
    walk_cinematics_to_sample_indices(demo, kSoundMapBytes, false);

    const LevelWalker* chosen = best_walk({&usual, &demo});
    if (!chosen) refuse_texture_walk(in.path(), usual.problem());
    if (keep) {
        const GeometryStretches& found = chosen == &usual ? usual_found : demo_found;
        keep->sprite_sequences = sequences;
        keep->animated_words = found.animated_words;
        keep->items = found.items;
    }
    return refs_of(bytes, objects, sprites, chosen->ignored());
}

// Tomb Raider 3: the sprite textures after the static meshes, the object
// textures after the animated textures. The version 0xFF180034 ends with its pages.
LevelTextureRefs walk_tr3(InFile& in, GeometryStretches* keep) {
    FileBytes bytes(in);
    LevelWalker w(bytes, 0);
    const std::int64_t version = w.count(4, "version");
    w.skip_bytes(kTr2PageCountOffset - 4, "palettes");
    if (version == 0xFF180034) {
        w.skip_pages(w.count(4, "texture page"), kPage8Bytes + kPage16Bytes);
        w.expect_end();
        if (!w.ok()) refuse_texture_walk(in.path(), w.problem());
        LevelTextureRefs refs;
        refs.ignored_bytes = w.ignored();
        return refs;
    }
    walk_head(w, Game::tr3, keep);
    GeometryStretches found;
    const Table sprites = w.table(4, kSpriteTextureBytes, "sprite textures");
    found.sprite_sequences = w.table(4, 8, "sprite sequences");
    walk_middle(w, found);
    const Table objects = w.table(4, kTr123ObjectTexture.record_bytes, "object textures");
    found.items = w.table(4, 24, "items");
    w.skip_bytes(kLightMapBytes, "light map");
    walk_cinematics_to_sample_indices(w, kSoundMapBytes, false);
    if (!w.ok()) refuse_texture_walk(in.path(), w.problem());
    if (keep) {
        keep->sprite_sequences = found.sprite_sequences;
        keep->animated_words = found.animated_words;
        keep->items = found.items;
    }
    return refs_of(bytes, objects, sprites, w.ignored());
}

LevelTextureRefs walk_tr2_textures(InFile& in) { return walk_tr2(in, nullptr); }
LevelTextureRefs walk_tr3_textures(InFile& in) { return walk_tr3(in, nullptr); }

template <LevelTextureRefs (*walk)(InFile&, GeometryStretches*), int game>
LevelGeometry walk_level(InFile& in) {
    GeometryStretches found;
    LevelTextureRefs refs = walk(in, &found);
    FileBytes bytes(in);
    return read_level_geometry(bytes, found, game, std::move(refs), in.path());
}

constexpr std::string_view kTr2Extensions[] = {".tr2"};

bool tr2_signature(const std::uint8_t* first) { return read_u32le(first) == 0x0000002Du; }
bool tr3_signature(const std::uint8_t* first) {
    const std::uint32_t v = read_u32le(first);
    return v == 0xFF080038u || v == 0xFF180038u || v == 0xFF180034u;
}

constinit const LevelVersion kTr2Version{"Tomb Raider 2 level", tr2_signature, kTr2Extensions, Msg::LevelIsTr2,
                                        walk_tr2_textures, 2, walk_level<walk_tr2, 2>};
constinit const LevelVersion kTr3Version{"Tomb Raider 3 level", tr3_signature, kTr2Extensions, Msg::LevelIsTr3,
                                        walk_tr3_textures, 3, walk_level<walk_tr3, 3>};

}  // namespace

constinit const LevelVersion* const kTr23Versions[2] = {&kTr2Version, &kTr3Version};

}  // namespace tilesmith
