// The texture references of Tomb Raider 4 and 5 levels: the blocks of the
// file and the sample table that ends it, and every structure of the level
// data block (zlib-compressed in .tr4, plain in .trc) to its object textures
// after the "TEX" marker.
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "core/checked.h"
#include "formats/deflate_blocks.h"
#include "formats/level_format.h"
#include "formats/level_geometry.h"
#include "formats/level_walk.h"
#include "formats/tr45.h"

namespace tilesmith {

namespace {

enum class Game { tr4, tr5 };

// No level's data block comes near this; a larger one is refused unread.
constexpr std::int64_t kMostLevelDataBytes = std::int64_t(256) << 20;

// A colour for the ambient light, lights of 46 bytes, and the alternate group.
constexpr RoomLayout kTr4Room{4, 46, 20, 7};

// Tomb Raider 5 rooms carry their own length after an "XELA" marker.
void walk_tr5_room(LevelWalker& w, GeometryStretches* keep) {
    w.marker("XELA");
    const Table data = w.table(4, 1, "bytes of room data");
    if (keep && w.ok()) keep->rooms.push_back({data.at, data.at + data.count, {}, {}, 0});
}

struct Found {
    Table objects, sprites;
};

Found walk_level_data(LevelWalker& w, Game game, GeometryStretches* keep) {
    const bool tr4 = game == Game::tr4;
    Found found;
    w.skip_bytes(4, "unused value");
    const std::int64_t rooms = w.count(tr4 ? 2 : 4, "room");
    for (std::int64_t i = 0; i < rooms && w.ok(); ++i) tr4 ? walk_room(w, kTr4Room, keep) : walk_tr5_room(w, keep);
    walk_meshes_to_static_meshes(w, 40, tr4 ? 18 : 20, keep);
    w.marker(tr4 ? std::string_view("SPR") : std::string_view("SPR\0", 4));
    found.sprites = w.table(4, kSpriteTextureBytes, "sprite textures");
    const Table sequences = w.table(4, 8, "sprite sequences");
    w.counted(4, 16, "cameras");
    w.counted(4, 40, "flyby cameras");
    w.counted(4, 16, "sound sources");
    Table animated;
    walk_boxes_to_animated_textures(w, 8, 20, &animated);
    w.skip_bytes(1, "animated texture range count");
    w.marker(tr4 ? std::string_view("TEX") : std::string_view("TEX\0", 4));
    found.objects = w.table(4, tr4 ? 38 : 40, "object textures");
    const Table items = w.table(4, 24, "items");
    if (keep) {
        keep->sprite_sequences = sequences;
        keep->animated_words = animated;
        keep->items = items;
    }
    w.counted(4, 24, "AI objects");
    w.counted(2, 1, "demo data bytes");
    w.skip_bytes((tr4 ? 370 : 450) * 2, "sound map");
    w.counted(4, 8, "sound details");
    w.counted(4, 4, "sample indices");
    // Tomb Raider 4 ends the block with three zero words, 5 with six filler bytes.
    if (tr4) w.zero_words(3, "closing words");
    else w.skip_bytes(6, "padding");
    w.expect_end();
    return found;
}

// The page field keeps the page in its low 15 bits; bit 15 marks a triangle.
// Tomb Raider 5 adds two bytes to each record.
ObjectTextureLayout object_texture_layout(Game game) {
    return {game == Game::tr4 ? 38 : 40, 2, 0x7FFF, 0x8000};
}

// The level data block inflated, the buffer growing with what the stream
// gives rather than with the size the file states. Throws Error naming the
// file when the stream does not give exactly `unpacked` bytes.
std::vector<std::uint8_t> inflate_level_data(InFile& in, const Table& packed, std::int64_t unpacked) {
    if (unpacked > kMostLevelDataBytes) refuse_texture_walk(in.path(), Phrase(Msg::LevelDataTooLarge).arg(unpacked));
    std::vector<std::uint8_t> input(std::size_t(packed.count));
    in.read_at(packed.at, input.data(), input.size());
    std::vector<std::uint8_t> out;
    // A stream that can hold the stated size is inflated whole, in one call;
    // any other, or one that does not give exactly that size, goes through
    // zlib below, which tells what is wrong with it.
    constexpr std::int64_t kMostPerByte = 1032;
    if (unpacked <= packed.count * kMostPerByte) {
        out.resize(std::size_t(unpacked));
        if (inflate_whole(input.data(), input.size(), out.data(), out.size())) return out;
        out.clear();
    }
    z_stream s{};
    if (inflateInit(&s) != Z_OK) throw std::bad_alloc();
    s.next_in = input.data();
    s.avail_in = uInt(input.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        const std::size_t used = out.size();
        if (used == std::size_t(unpacked)) {
            // A whole block ends here; anything more is too much.
            std::uint8_t extra = 0;
            s.next_out = &extra;
            s.avail_out = 1;
            rc = inflate(&s, Z_FINISH);
            if (s.avail_out == 0) rc = Z_DATA_ERROR;
            break;
        }
        out.resize(std::min<std::size_t>(std::size_t(unpacked), std::max<std::size_t>(2 * used, 1 << 20)));
        s.next_out = out.data() + used;
        s.avail_out = uInt(out.size() - used);
        rc = inflate(&s, Z_NO_FLUSH);
        out.resize(out.size() - s.avail_out);
        if (rc == Z_BUF_ERROR && s.avail_out != 0) break;  // the input ran out
        if (rc == Z_BUF_ERROR) rc = Z_OK;
    }
    inflateEnd(&s);
    if (rc != Z_STREAM_END || out.size() != std::size_t(unpacked))
        refuse_texture_walk(in.path(), Phrase(Msg::LevelDataCannotInflate).arg(unpacked));
    return out;
}

// With `keep`, the geometry is read too, while the inflated block is at hand.
LevelTextureRefs walk_tr45(InFile& in, Game game, GeometryStretches* keep, LevelGeometry* geometry) {
    FileBytes file(in);
    LevelWalker w(file, kTr45SizesOffset);
    for (const char* block : {"bytes of the 32-bit texture block", "bytes of the 16-bit texture block",
                              "bytes of the sky and font block"}) {
        w.skip_bytes(4, block);
        w.counted(4, 1, block);
    }
    std::int64_t unpacked = 0;
    Table level_data;
    if (game == Game::tr4) {
        unpacked = w.count(4, "level data");
        level_data = w.table(4, 1, "bytes of the level data block");
    } else {
        w.skip_bytes(32, "Lara type, weather and filler");
        const std::int64_t size = w.count(4, "level data");
        w.skip_bytes(4, "second level data size");
        level_data = {w.at(), size};
        w.skip(size, 1, "bytes of the level data block");
    }
    const std::int64_t samples = w.count(4, "sample");
    for (std::int64_t i = 0; i < samples && w.ok(); ++i) {
        w.skip_bytes(4, "sample size");
        w.counted(4, 1, "bytes of a sample");
    }
    w.expect_end();
    if (!w.ok()) refuse_texture_walk(in.path(), w.problem());

    std::vector<std::uint8_t> inflated;
    BufferBytes buffer(nullptr, 0);
    LevelBytes* bytes = &file;
    std::int64_t from = level_data.at, to = level_data.at + level_data.count;
    if (game == Game::tr4) {
        inflated = inflate_level_data(in, level_data, unpacked);
        buffer = BufferBytes(inflated.data(), inflated.size());
        bytes = &buffer;
        from = 0;
        to = std::int64_t(inflated.size());
    }
    LevelWalker data(*bytes, from, to, true);
    const Found found = walk_level_data(data, game, keep);
    if (!data.ok()) refuse_texture_walk(in.path(), data.problem());
    LevelTextureRefs refs;
    refs.ignored_bytes = w.ignored() + data.ignored();
    read_object_textures(*bytes, found.objects, object_texture_layout(game), refs);
    read_sprite_textures(*bytes, found.sprites, SpriteMapping::side_words, refs);
    refs.places.level_data_at = level_data.at;
    refs.places.level_data_bytes = level_data.count;
    refs.places.level_data_unpacked = game == Game::tr4 ? unpacked : level_data.count;
    if (keep && geometry)
        *geometry = read_level_geometry(*bytes, *keep, game == Game::tr4 ? 4 : 5, refs, in.path());
    return refs;
}

LevelTextureRefs walk_tr4_textures(InFile& in) { return walk_tr45(in, Game::tr4, nullptr, nullptr); }
LevelTextureRefs walk_tr5_textures(InFile& in) { return walk_tr45(in, Game::tr5, nullptr, nullptr); }

template <Game game>
LevelGeometry walk_tr45_level(InFile& in) {
    GeometryStretches found;
    LevelGeometry geometry;
    walk_tr45(in, game, &found, &geometry);
    return geometry;
}

bool first_bytes_are(const std::uint8_t* first, const char (&text)[5]) { return std::memcmp(first, text, 4) == 0; }
bool tr45_signature(const std::uint8_t* first) { return first_bytes_are(first, "TR4\0"); }
bool trx4_signature(const std::uint8_t* first) { return first_bytes_are(first, "TRX4"); }
bool trx5_signature(const std::uint8_t* first) { return first_bytes_are(first, "TRX5"); }

constexpr std::string_view kTr4Extensions[] = {".tr4"};
constexpr std::string_view kTr5Extensions[] = {".trc"};

// "TR4\0" under another extension: the bytes do not tell 4 from 5. Remastered
// levels are read under no extension.
constinit const LevelVersion kTr4Version{"Tomb Raider 4 level", tr45_signature, kTr4Extensions, Msg::LevelIsTr45,
                                        walk_tr4_textures, 4, walk_tr45_level<Game::tr4>};
constinit const LevelVersion kTr5Version{"Tomb Raider 5 level", tr45_signature, kTr5Extensions, Msg::LevelIsTr45,
                                        walk_tr5_textures, 5, walk_tr45_level<Game::tr5>};
constinit const LevelVersion kTrx4Version{"remastered Tomb Raider 4 level", trx4_signature, {}, Msg::RemasteredTr4,
                                         nullptr};
constinit const LevelVersion kTrx5Version{"remastered Tomb Raider 5 level", trx5_signature, {}, Msg::RemasteredTr5,
                                         nullptr};

}  // namespace

constinit const LevelVersion* const kTr45Versions[4] = {&kTr4Version, &kTr5Version, &kTrx4Version, &kTrx5Version};

}  // namespace tilesmith
