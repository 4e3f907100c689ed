// Synthetic Tomb Raider levels and object packages for tests: small files with
// real-looking textures (gradients, bricks, noise, transparent holes).
//
// Layouts, all integers little-endian:
//   .tr2  bytes 0-3 version, 4 palette (768, 6-bit values), 772 filler (1024),
//         1796 N, 1800 N 8-bit pages, then N 16-bit pages, then `tail` bytes.
//   .tr4  bytes 0-9 filler, U32 C32, zlib 32-bit block, U16 C16, zlib 16-bit
//         block, then `tail` bytes (also used for .trc).
//   .phd  version 0x20, N, N 8-bit pages, then rooms and every other
//         structure of the game's layout by its counts, the palette after
//         the light map (.tub: after the sprite sequences).
//   make_level: every structure of each game's layout, as its walk reads it.
//   .wad  bytes 0-3 version, N, N records of 8 bytes, S, S bytes of texture
//         map (red, green, blue rows of 256 pixels), then `tail` bytes.
// Page sizes: 65536 (8-bit), 131072 (16-bit), 196608 (wad), 262144 (32-bit).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace tilesmith {


// --- Texture content: a pure function of (x, y) in package pixels and a seed.

// A 16-bit level word. Some tiles have transparent holes (bit 15 clear, with
// colour bits left in them as real levels do), and a few opaque pixels hold
// red 31, green 0, blue 31: the word that reads as (248, 0, 248).
std::uint16_t sample_word16(int x, int y, std::uint32_t seed);
// A 32-bit level pixel as blue, green, red, alpha. Transparent holes have
// alpha 0 and leftover colour; opaque alphas are mostly 255, some 1..254.
void sample_bgra(int x, int y, std::uint32_t seed, std::uint8_t* bgra);
// An opaque red, green, blue pixel for object packages.
void sample_rgb(int x, int y, std::uint32_t seed, std::uint8_t* rgb);

// --- Whole files.

// A .tr2 level of `pages` pages. Its palette holds 6-bit values including 63.
Bytes make_tr2(int pages, std::size_t tail = 3000, std::uint32_t seed = 1);
// Offset of the 16-bit word of package pixel (x, y) in a .tr2 of `pages` pages.
std::size_t tr2_word_offset(int pages, int x, int y);

// The uncompressed blocks of a .tr4 of `pages` pages.
Bytes tr4_block32(int pages, std::uint32_t seed = 1);
Bytes tr4_block16(int pages, std::uint32_t seed = 1);
// A .tr4 around the given uncompressed blocks, compressed at zlib's default level.
Bytes tr4_from_blocks(const Bytes& block32, const Bytes& block16, std::size_t tail = 5000,
                      std::uint32_t seed = 1);
// The same with blocks already compressed (or damaged) by the caller; U32 and
// U16 are written as given.
Bytes tr4_from_streams(std::int32_t u32, const Bytes& stream32, std::int32_t u16,
                       const Bytes& stream16, const Bytes& tail);
// A .tr4 of `pages` pages with pattern textures.
Bytes make_tr4(int pages, std::size_t tail = 5000, std::uint32_t seed = 1);

// A .wad with `records` junk records and a texture map of `map_bytes` bytes
// (pattern rows; use a multiple of 196608 for whole pages).
Bytes make_wad(int records, std::int64_t map_bytes, std::size_t tail = 100,
               std::uint32_t seed = 1);

// A level with every structure of its game's layout: its bytes and where
// some of its fields lie.
struct Tr1Level {
    Bytes bytes;
    std::size_t palette_offset = 0;  // Tomb Raider 1 only
    // The offset of each count the walks read, by structure name, in the order
    // written; 2- or 4-byte little-endian as `width` says. Tomb Raider 4
    // counts are offsets in the level data block before it is compressed.
    struct Count {
        std::string name;
        std::size_t offset;
        int width;
    };
    std::vector<Count> counts;
    // The object and sprite textures written: `pages` pages of tile-sized
    // faces (every fifth a triangle) and 32 x 16 sprites.
    int object_textures = 0, sprite_textures = 0;
};
using BuiltLevel = Tr1Level;
// A .phd (or with `unfinished_business`, a .tub: the palette right after the
// sprite sequences) of `pages` pages of palette_index(x, y, seed), `rooms`
// rooms and a few records of every other structure, junk filled. Its palette
// holds 256 different colours of 6 bits.
Tr1Level make_tr1(int pages, bool unfinished_business = false, int rooms = 3, std::uint32_t seed = 1);

// Whole levels of every kind the texture walks read.
enum class Game { tr1, tr1_ub, tr2, tr3, tr4, tr5 };
struct LevelSpec {
    LevelSpec(Game game_ = Game::tr2, int pages_ = 2, int rooms_ = 3, std::uint32_t seed_ = 1)
        : game(game_), pages(pages_), rooms(rooms_), seed(seed_) {}
    Game game;
    int pages;
    int rooms;
    std::uint32_t seed;
    int object_textures = 0;  // 0: a few
    // The count of this name is written as `hostile_value` instead.
    std::string hostile_count;
    std::uint32_t hostile_value = 0xFFFFFFFFu;
};
BuiltLevel make_level(const LevelSpec& wanted);
// The extension of a game's levels, with its dot.
std::string extension_of(Game game);
// The 8-bit page byte of package pixel (x, y) in the levels above and in .tr2 levels.
std::uint8_t palette_index(int x, int y, std::uint32_t seed);

// --- Byte helpers.

Bytes zlib_compress(const Bytes& data, int level);
// Inflates a whole zlib stream; throws std::runtime_error if it is not one.
Bytes zlib_inflate(const std::uint8_t* data, std::size_t size);
void put_i32(Bytes& bytes, std::size_t offset, std::int32_t value);
// A copy of `bytes` with `value` put at `offset`.
Bytes with_i32(Bytes bytes, std::size_t offset, std::int32_t value);
std::int32_t get_i32(const Bytes& bytes, std::size_t offset);
Bytes pseudo_random_bytes(std::size_t count, std::uint32_t seed);

}  // namespace tilesmith
