// Synthetic Tomb Raider levels and object packages for tests.
#include "support/level_builder.h"

#include <stdlib.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tilesmith {

namespace {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ a * 0x85EBCA6Bu ^ b * 0xC2B2AE35u ^ c * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

std::uint8_t clamp8(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }

enum class Kind { gradient, bricks, noise, hole, sprite };

struct Texel {
    std::uint8_t r, g, b;
    bool transparent;
    bool magenta_word;  // opaque red 31, green 0, blue 31
};

Kind tile_kind(int x, int y, std::uint32_t seed) {
    return Kind(mix(std::uint32_t(x / 64), std::uint32_t(y / 64), 7, seed) % 5);
}

Texel texel(int x, int y, std::uint32_t seed) {
    const int tx = x % 64, ty = y % 64;
    const std::uint32_t tile = mix(std::uint32_t(x / 64), std::uint32_t(y / 64), 1, seed);
    const std::uint32_t noise = mix(std::uint32_t(x), std::uint32_t(y), 2, seed);
    const int n = int(noise % 25) - 12;
    const int base_r = int(tile & 0xFF), base_g = int((tile >> 8) & 0xFF),
              base_b = int((tile >> 16) & 0xFF);
    Texel t{0, 0, 0, false, false};
    switch (tile_kind(x, y, seed)) {
    case Kind::gradient:
        t.r = clamp8(base_r / 2 + tx * 2 + n / 4);
        t.g = clamp8(base_g / 2 + ty * 2);
        t.b = clamp8(base_b / 2 + (tx + ty));
        break;
    case Kind::bricks: {
        const bool odd_course = (ty / 16) % 2 == 1;
        const bool mortar = ty % 16 == 0 || (x % 32) == (odd_course ? 16 : 0);
        if (mortar) t.r = t.g = t.b = clamp8(160 + n);
        else { t.r = clamp8(150 + n); t.g = clamp8(60 + n / 2); t.b = clamp8(40 + n / 2); }
        break;
    }
    case Kind::noise:
        t.r = clamp8(base_r + 2 * n);
        t.g = clamp8(base_g + 2 * n);
        t.b = clamp8(base_b + 2 * n);
        break;
    case Kind::hole: {
        const int dx = tx - 32, dy = ty - 32;
        t.r = clamp8(40 + tx * 3);
        t.g = clamp8(200 - ty * 2);
        t.b = clamp8(base_b);
        t.transparent = dx * dx + dy * dy < 18 * 18;
        break;
    }
    case Kind::sprite: {
        const int d = std::abs(tx - 32) + std::abs(ty - 32);
        t.transparent = d > 24;
        t.r = clamp8(base_r + n);
        t.g = clamp8(220 - d * 3);
        t.b = clamp8(base_b + n);
        // The sprite's rim holds the opaque near-magenta of a 5-bit round trip.
        if (d == 24 && tx % 5 == 0) {
            t.magenta_word = true;
            t.r = 248; t.g = 0; t.b = 248;
        }
        break;
    }
    }
    if (t.transparent) {  // leftover colour under transparent pixels
        t.r = std::uint8_t(noise >> 8);
        t.g = std::uint8_t(noise >> 16);
        t.b = std::uint8_t(noise >> 24);
    }
    return t;
}

}  // namespace

std::uint8_t palette_index(int x, int y, std::uint32_t seed) {
    const std::uint32_t noise = mix(std::uint32_t(x), std::uint32_t(y), 3, seed);
    return std::uint8_t(int(tile_kind(x, y, seed)) * 50 + (x % 64 + y % 64) / 2 + int(noise % 8));
}

namespace {

void append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

void append_i32(Bytes& out, std::int32_t v) {
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(u >> (8 * i)));
}

}  // namespace

std::uint16_t sample_word16(int x, int y, std::uint32_t seed) {
    const Texel t = texel(x, y, seed);
    if (t.magenta_word) return 0xFC1F;
    const auto bits = std::uint16_t(((t.r >> 3) << 10) | ((t.g >> 3) << 5) | (t.b >> 3));
    return t.transparent ? bits : std::uint16_t(0x8000 | bits);
}

void sample_bgra(int x, int y, std::uint32_t seed, std::uint8_t* bgra) {
    const Texel t = texel(x, y, seed);
    bgra[0] = t.b;
    bgra[1] = t.g;
    bgra[2] = t.r;
    if (t.transparent) bgra[3] = 0;
    else if (tile_kind(x, y, seed) == Kind::noise && (x + y) % 7 == 0)
        bgra[3] = std::uint8_t(1 + mix(std::uint32_t(x), std::uint32_t(y), 4, seed) % 254);
    else bgra[3] = 255;
}

void sample_rgb(int x, int y, std::uint32_t seed, std::uint8_t* rgb) {
    const Texel t = texel(x, y, seed);
    rgb[0] = t.r;
    rgb[1] = t.g;
    rgb[2] = t.b;
}

Bytes pseudo_random_bytes(std::size_t count, std::uint32_t seed) {
    Bytes out(count);
    for (std::size_t i = 0; i < count; ++i) out[i] = std::uint8_t(mix(std::uint32_t(i), 0, 9, seed));
    return out;
}

Bytes make_tr2(int pages, std::size_t tail, std::uint32_t seed) {
    Bytes out = {0x2D, 0x00, 0x00, 0x00};
    for (int i = 0; i < 256; ++i) {
        out.push_back(std::uint8_t(i % 64));
        out.push_back(std::uint8_t((i * 5) % 64));
        out.push_back(std::uint8_t(i == 255 ? 63 : 63 - i % 64));
    }
    append(out, pseudo_random_bytes(1024, seed + 100));
    append_i32(out, pages);
    const int height = pages * 256;
    out.reserve(out.size() + std::size_t(pages) * 196608 + tail);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 256; ++x) out.push_back(palette_index(x, y, seed));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::uint16_t w = sample_word16(x, y, seed);
            out.push_back(std::uint8_t(w));
            out.push_back(std::uint8_t(w >> 8));
        }
    append(out, pseudo_random_bytes(tail, seed + 200));
    return out;
}

std::size_t tr2_word_offset(int pages, int x, int y) {
    return 1800 + std::size_t(pages) * 65536 + (std::size_t(y) * 256 + std::size_t(x)) * 2;
}

Bytes tr4_block32(int pages, std::uint32_t seed) {
    Bytes out(std::size_t(pages) * 262144);
    std::uint8_t* p = out.data();
    for (int y = 0; y < pages * 256; ++y)
        for (int x = 0; x < 256; ++x, p += 4) sample_bgra(x, y, seed, p);
    return out;
}

Bytes tr4_block16(int pages, std::uint32_t seed) {
    Bytes out(std::size_t(pages) * 131072);
    std::uint8_t* p = out.data();
    for (int y = 0; y < pages * 256; ++y)
        for (int x = 0; x < 256; ++x, p += 2) {
            const std::uint16_t w = sample_word16(x, y, seed);
            p[0] = std::uint8_t(w);
            p[1] = std::uint8_t(w >> 8);
        }
    return out;
}

Bytes tr4_from_streams(std::int32_t u32, const Bytes& stream32, std::int32_t u16,
                       const Bytes& stream16, const Bytes& tail) {
    Bytes out = {0x54, 0x52, 0x34, 0x00, 0x07, 0x00, 0x03, 0x00, 0x11, 0x00};
    append_i32(out, u32);
    append_i32(out, std::int32_t(stream32.size()));
    append(out, stream32);
    append_i32(out, u16);
    append_i32(out, std::int32_t(stream16.size()));
    append(out, stream16);
    append(out, tail);
    return out;
}

Bytes tr4_from_blocks(const Bytes& block32, const Bytes& block16, std::size_t tail,
                      std::uint32_t seed) {
    return tr4_from_streams(std::int32_t(block32.size()), zlib_compress(block32, Z_DEFAULT_COMPRESSION),
                            std::int32_t(block16.size()), zlib_compress(block16, Z_DEFAULT_COMPRESSION),
                            pseudo_random_bytes(tail, seed + 300));
}

Bytes make_tr4(int pages, std::size_t tail, std::uint32_t seed) {
    return tr4_from_blocks(tr4_block32(pages, seed), tr4_block16(pages, seed), tail, seed);
}

Bytes make_wad(int records, std::int64_t map_bytes, std::size_t tail, std::uint32_t seed) {
    Bytes out = {0x81, 0x00, 0x00, 0x00};
    append_i32(out, records);
    append(out, pseudo_random_bytes(std::size_t(records) * 8, seed + 400));
    append_i32(out, std::int32_t(map_bytes));
    std::uint8_t rgb[3];
    for (std::int64_t i = 0; i < map_bytes; ++i) {
        const std::int64_t row = i / 768, column = (i % 768) / 3;
        if (i % 3 == 0) sample_rgb(int(column), int(row), seed, rgb);
        out.push_back(rgb[i % 3]);
    }
    append(out, pseudo_random_bytes(tail, seed + 500));
    return out;
}

namespace {

// Writes a level's structures by their counts, each a small number that
// differs between structures and seeds, and remembers where each count lies.
class Writer {
public:
    // Writes into `out`, the level's bytes or a block of them.
    Writer(Tr1Level& level, Bytes& out, const LevelSpec& wanted) : level_(level), out_(out), spec_(wanted) {}

    Bytes& out() { return out_; }
    void junk(std::size_t n) { append(out_, pseudo_random_bytes(n, ++junk_seed_)); }
    void bytes(const char* text, std::size_t n) { out_.insert(out_.end(), text, text + n); }
    void u16(std::uint32_t v) { count_bytes(2, v); }
    void u32(std::uint32_t v) { count_bytes(4, v); }
    std::uint32_t small(std::uint32_t salt) const { return mix(salt, 5, 6, spec_.seed) % 7 + (salt % 3); }
    void count(const std::string& name, int width, std::uint32_t n) {
        level_.counts.push_back({name, out_.size(), width});
        count_bytes(width, name == spec_.hostile_count ? spec_.hostile_value : n);
    }
    void counted(const std::string& name, int width, std::size_t element) {
        const std::uint32_t n = small(++salt_);
        count(name, width, n);
        junk(n * element);
    }
    // Object textures of `record` bytes: attribute, page field, `after_page`
    // junk bytes, four corners, then junk to the record's end.
    void object_textures(int width, std::size_t record, std::size_t after_page, bool triangle_bit) {
        const std::uint32_t n = spec_.object_textures ? std::uint32_t(spec_.object_textures) : small(++salt_) + 5;
        count("object textures", width, n);
        for (std::uint32_t i = 0; i < n; ++i) {
            const bool triangle = i % 5 == 4;
            const std::uint32_t page = i % std::uint32_t(std::max(spec_.pages, 1));
            const std::uint8_t x0 = std::uint8_t(64 * (i % 4)), y0 = std::uint8_t(64 * (i / 4 % 4));
            u16(0);
            u16(page | (triangle && triangle_bit ? 0x8000u : 0));
            junk(after_page);
            // Low sides carry fraction 1, high sides 255 on their last pixel.
            const std::uint8_t corners[4][4] = {{1, x0, 1, y0},
                                                {255, std::uint8_t(x0 + 63), 1, y0},
                                                {255, std::uint8_t(x0 + 63), 255, std::uint8_t(y0 + 63)},
                                                {1, x0, 255, std::uint8_t(y0 + 63)}};
            for (int k = 0; k < 4; ++k)
                for (int j = 0; j < 4; ++j)
                    out_.push_back(triangle && k == 3 && !triangle_bit ? 0 : corners[k][j]);
            junk(record - 20 - after_page);
        }
        level_.object_textures = int(n);
    }
    void sprite_textures() {
        const std::uint32_t n = small(++salt_) + 1;
        count("sprite textures", 4, n);
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint32_t x = 32 * (i % 8), y = 16 * (i % 16);
            u16(i % std::uint32_t(std::max(spec_.pages, 1)));
            u16(x | y << 8);
            u16(31 * 256 + 255);  // 32 x 16 pixels
            u16(15 * 256 + 255);
            for (const std::uint32_t side : {x, y, x + 32, y + 16}) u16(side);
        }
        level_.sprite_textures = int(n);
    }

private:
    void count_bytes(int width, std::uint32_t v) {
        for (int i = 0; i < width; ++i) out_.push_back(std::uint8_t(v >> (8 * i)));
    }

    Tr1Level& level_;
    Bytes& out_;
    const LevelSpec& spec_;
    std::uint32_t junk_seed_ = 0, salt_ = 10;
};

void write_room(Writer& w, Game game, int r) {
    if (game == Game::tr5) {
        w.bytes("XELA", 4);
        w.counted("room data bytes", 4, 1);
        return;
    }
    const bool tr1 = game == Game::tr1 || game == Game::tr1_ub;
    w.junk(16);
    w.counted("room geometry words", 4, 2);
    w.counted("room portals", 2, 32);
    const std::uint32_t columns = w.small(std::uint32_t(200 + r)) + 1, rows = w.small(std::uint32_t(300 + r)) + 1;
    w.count("room sector columns", 2, columns);
    w.count("room sector rows", 2, rows);
    w.junk(8 * columns * rows);
    const std::size_t light = tr1 ? 18 : game == Game::tr4 ? 46 : 24;
    w.junk(tr1 ? 2 : game == Game::tr2 ? 6 : 4);
    w.counted("room lights", 2, light);
    w.counted("room static meshes", 2, tr1 ? 18 : 20);
    w.junk(tr1 || game == Game::tr2 ? 4 : 7);
}

// From the rooms' count to the static meshes.
void write_head(Writer& w, Game game, int rooms) {
    w.junk(4);
    w.count("room", game == Game::tr5 ? 4 : 2, std::uint32_t(rooms));
    for (int r = 0; r < rooms; ++r) write_room(w, game, r);
    const bool tr45 = game == Game::tr4 || game == Game::tr5;
    const std::pair<const char*, std::size_t> head[] = {
        {"floor data words", 2}, {"mesh data words", 2}, {"mesh pointers", 4}, {"animations", tr45 ? 40u : 32u},
        {"state changes", 6}, {"animation dispatches", 8}, {"animation commands", 2},
        {"mesh tree words", 4}, {"frame words", 2}, {"models", game == Game::tr5 ? 20u : 18u},
        {"static meshes", 32}};
    for (const auto& [name, element] : head) w.counted(name, 4, element);
}

// From the cameras to the animated textures; Tomb Raider 1 boxes take 20 bytes.
void write_boxes(Writer& w, std::size_t box_bytes, bool flyby_cameras = false) {
    w.counted("cameras", 4, 16);
    if (flyby_cameras) w.counted("flyby cameras", 4, 40);
    w.counted("sound sources", 4, 16);
    const std::uint32_t boxes = w.small(77);
    w.count("boxes", 4, boxes);
    w.junk(box_bytes * boxes);
    w.counted("overlaps", 4, 2);
    w.junk((box_bytes == 20 ? 12 : 20) * std::size_t(boxes));
    w.counted("animated texture words", 4, 2);
}

// From the cinematic frames to the sample indices.
void write_sounds(Writer& w, bool sample_bytes) {
    w.counted("cinematic frames", 2, 16);
    w.counted("demo data bytes", 2, 1);
    w.junk(sample_bytes ? 512 : 740);
    w.counted("sound details", 4, 8);
    if (sample_bytes) w.counted("sample bytes", 4, 1);
    w.counted("sample indices", 4, 4);
}

void write_palette(Tr1Level& level, Bytes& out) {
    level.palette_offset = out.size();
    for (int i = 0; i < 256; ++i)
        for (const int v : {i % 64, i / 64 * 21, i * 37 % 64}) out.push_back(std::uint8_t(v));
}

void write_tr1(Tr1Level& level, Writer& w, const LevelSpec& wanted) {
    const bool ub = wanted.game == Game::tr1_ub;
    w.count("version", 4, 0x20);
    w.count("texture page", 4, std::uint32_t(wanted.pages));
    for (int y = 0; y < wanted.pages * 256; ++y)
        for (int x = 0; x < 256; ++x) w.out().push_back(palette_index(x, y, wanted.seed));
    write_head(w, wanted.game, wanted.rooms);
    w.object_textures(4, 20, 0, false);
    w.sprite_textures();
    w.counted("sprite sequences", 4, 8);
    if (ub) write_palette(level, w.out());
    write_boxes(w, 20);
    w.counted("items", 4, 22);
    w.junk(8192);
    if (!ub) write_palette(level, w.out());
    write_sounds(w, true);
}

void write_tr23(Writer& w, const LevelSpec& wanted) {
    const bool tr2 = wanted.game == Game::tr2;
    w.u32(tr2 ? 0x2D : 0xFF180038u);
    const Bytes tr2_head = make_tr2(0, 0, wanted.seed);  // the palettes and their filler
    w.out().insert(w.out().end(), tr2_head.begin() + 4, tr2_head.begin() + 1796);
    w.count("texture page", 4, std::uint32_t(wanted.pages));
    const Bytes pages = make_tr2(wanted.pages, 0, wanted.seed);
    w.out().insert(w.out().end(), pages.begin() + 1800, pages.end());
    write_head(w, wanted.game, wanted.rooms);
    if (tr2) w.object_textures(4, 20, 0, false);
    w.sprite_textures();
    w.counted("sprite sequences", 4, 8);
    write_boxes(w, 8);
    if (!tr2) w.object_textures(4, 20, 0, false);
    w.counted("items", 4, 24);
    w.junk(8192);
    write_sounds(w, false);
}

// The level data block of Tomb Raider 4 and 5.
void write_level_data(Writer& w, const LevelSpec& wanted) {
    const bool tr4 = wanted.game == Game::tr4;
    write_head(w, wanted.game, wanted.rooms);
    w.bytes("SPR\0", tr4 ? 3 : 4);
    w.sprite_textures();
    w.counted("sprite sequences", 4, 8);
    write_boxes(w, 8, true);
    w.junk(1);
    w.bytes("TEX\0", tr4 ? 3 : 4);
    w.object_textures(4, tr4 ? 38 : 40, 2, true);
    w.counted("items", 4, 24);
    w.counted("AI objects", 4, 24);
    w.counted("demo data bytes", 2, 1);
    w.junk(tr4 ? 740 : 900);
    w.counted("sound details", 4, 8);
    w.counted("sample indices", 4, 4);
    w.bytes(tr4 ? "\0\0\0\0\0\0" : "\xCD\xCD\xCD\xCD\xCD\xCD", 6);  // three zero words; filler
}

void write_tr45(Tr1Level& level, Writer& w, const LevelSpec& wanted) {
    w.out() = make_tr4(wanted.pages, 0, wanted.seed);  // up to the end of the 16-bit stream
    const std::uint8_t page_counts[6] = {std::uint8_t(wanted.pages), 0, 0, 0, 0, 0};  // room, object, bump pages
    std::copy(page_counts, page_counts + 6, w.out().begin() + 4);
    const Bytes misc = zlib_compress(Bytes(2 * 262144, 0), Z_DEFAULT_COMPRESSION);
    w.u32(2 * 262144);
    w.u32(std::uint32_t(misc.size()));
    append(w.out(), misc);
    Bytes block;
    Writer data(level, block, wanted);
    write_level_data(data, wanted);
    if (wanted.game == Game::tr4) {
        const Bytes packed = zlib_compress(block, Z_DEFAULT_COMPRESSION);
        w.u32(std::uint32_t(block.size()));
        w.u32(std::uint32_t(packed.size()));
        append(w.out(), packed);
    } else {
        w.out().resize(w.out().size() + 32, 0);  // Lara type, weather, filler
        w.u32(std::uint32_t(block.size()));
        w.u32(std::uint32_t(block.size()));
        append(w.out(), block);
    }
    const std::uint32_t samples = w.small(99);
    w.u32(samples);
    for (std::uint32_t i = 0; i < samples; ++i) {
        w.u32(100);
        w.counted("sample bytes", 4, 1);
    }
}

}  // namespace

std::string extension_of(Game game) {
    constexpr const char* kExtensions[] = {".phd", ".tub", ".tr2", ".tr2", ".tr4", ".trc"};
    return kExtensions[int(game)];
}

BuiltLevel make_level(const LevelSpec& wanted) {
    BuiltLevel level;
    Writer w(level, level.bytes, wanted);
    switch (wanted.game) {
        case Game::tr1:
        case Game::tr1_ub: write_tr1(level, w, wanted); break;
        case Game::tr2:
        case Game::tr3: write_tr23(w, wanted); break;
        case Game::tr4:
        case Game::tr5: write_tr45(level, w, wanted); break;
    }
    return level;
}

Tr1Level make_tr1(int pages, bool unfinished_business, int rooms, std::uint32_t seed) {
    return make_level({unfinished_business ? Game::tr1_ub : Game::tr1, pages, rooms, seed});
}

Bytes zlib_compress(const Bytes& data, int level) {
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), uLong(data.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

Bytes zlib_inflate(const std::uint8_t* data, std::size_t size) {
    z_stream s{};
    if (inflateInit(&s) != Z_OK) throw std::runtime_error("inflateInit failed");
    Bytes out;
    s.next_in = const_cast<std::uint8_t*>(data);
    s.avail_in = uInt(size);
    int rc = Z_OK;
    std::uint8_t chunk[65536];
    while (rc == Z_OK) {
        s.next_out = chunk;
        s.avail_out = sizeof chunk;
        rc = inflate(&s, Z_NO_FLUSH);
        out.insert(out.end(), chunk, chunk + (sizeof chunk - s.avail_out));
        if (rc == Z_BUF_ERROR && s.avail_in == 0) break;
    }
    inflateEnd(&s);
    if (rc != Z_STREAM_END) throw std::runtime_error("not a whole zlib stream");
    return out;
}

void put_i32(Bytes& bytes, std::size_t offset, std::int32_t value) {
    const auto u = std::uint32_t(value);
    for (int i = 0; i < 4; ++i) bytes.at(offset + std::size_t(i)) = std::uint8_t(u >> (8 * i));
}

Bytes with_i32(Bytes bytes, std::size_t offset, std::int32_t value) {
    put_i32(bytes, offset, value);
    return bytes;
}

std::int32_t get_i32(const Bytes& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t(bytes.at(offset + std::size_t(i))) << (8 * i);
    return std::int32_t(u);
}

}  // namespace tilesmith
