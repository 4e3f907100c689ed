// What the readers of a level's rooms and objects share: how the games differ
// in the records read, and a cursor over the bytes of one record.
#pragma once
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/checked.h"
#include "core/file_io.h"
#include "formats/level_geometry.h"

namespace tilesmith::level_records {

// How the games differ in what is read here.
struct GameLayout {
    std::int64_t room_vertex_bytes;  // Tomb Raider 1-4
    bool vertex_colour;              // a 15-bit colour at byte 10 rather than an intensity at byte 6
    std::uint16_t texture_mask, double_sided_bit;
    bool face_effects;               // faces of meshes (and of Tomb Raider 5 rooms) end with an effects word
    std::int64_t static_bytes;       // a static mesh placed
    std::int64_t model_bytes, animation_bytes, item_bytes;
    int single_axis_bits;            // the angle of a frame's one-axis turn
};

inline GameLayout layout_of(int game) {
    switch (game) {
        case 1: return {8, false, 0xFFFF, 0, false, 18, 18, 32, 22, 10};
        case 2: return {12, false, 0xFFFF, 0, false, 20, 18, 32, 24, 10};
        case 3: return {12, true, 0x7FFF, 0x8000, false, 20, 18, 32, 24, 10};
        case 4: return {12, true, 0x7FFF, 0x8000, true, 20, 18, 40, 24, 12};
        default: return {12, true, 0x3FFF, 0x8000, true, 20, 20, 40, 24, 12};
    }
}

// Bytes of one record, read in order; running past their end is a flag, never a read.
class Cursor {
public:
    Cursor(const std::vector<std::uint8_t>& bytes, std::int64_t at = 0) : bytes_(bytes), at_(at) {}
    bool ok() const { return ok_; }
    std::int64_t at() const { return at_; }
    void seek(std::int64_t at) {
        if (at < 0 || at > std::int64_t(bytes_.size())) ok_ = false;
        else at_ = at;
    }
    // The next `count` records of `bytes` each, or null when they do not fit.
    const std::uint8_t* take(std::int64_t count, std::int64_t bytes) {
        const auto total = checked_mul(count, bytes);
        if (!ok_ || count < 0 || !total || *total > std::int64_t(bytes_.size()) - at_) {
            ok_ = false;
            return nullptr;
        }
        const std::uint8_t* p = bytes_.data() + at_;
        at_ += *total;
        return p;
    }
    std::int64_t i16() {
        const std::uint8_t* p = take(1, 2);
        return p ? std::int16_t(read_u16le(p)) : 0;
    }
    std::int64_t u16() {
        const std::uint8_t* p = take(1, 2);
        return p ? read_u16le(p) : 0;
    }
    std::int64_t u32() {
        const std::uint8_t* p = take(1, 4);
        return p ? read_u32le(p) : 0;
    }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::int64_t at_;
    bool ok_ = true;
};

inline std::vector<std::uint8_t> read_stretch(LevelBytes& bytes, std::int64_t at, std::int64_t count) {
    std::vector<std::uint8_t> out(std::size_t(std::max<std::int64_t>(count, 0)));
    if (!out.empty()) bytes.read(at, out.data(), out.size());
    return out;
}

// A little-endian float as a whole coordinate; nothing a level holds lies
// beyond a few million units, so what does (or is no number) is held there.
inline std::int32_t coordinate(const std::uint8_t* p) {
    const float f = std::bit_cast<float>(read_u32le(p));
    return std::isfinite(f) ? std::int32_t(std::clamp(f, -1.0e8f, 1.0e8f)) : 0;
}

// A room's position and a vertex's place in it, held inside 32 bits.
inline std::int32_t offset(std::int32_t room, std::int64_t within) {
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(room) + within, INT32_MIN, INT32_MAX));
}

// An intensity of the first games: 0 bright to 8191 dark, 4096 the texture as it is.
inline std::array<std::uint8_t, 3> intensity_light(std::int64_t intensity) {
    const auto v = std::uint8_t(std::min<std::int64_t>(255, (8192 - std::clamp<std::int64_t>(intensity, 0, 8191)) >> 5));
    return {v, v, v};
}

// Five bits each of red (from bit 10), green and blue; 16 the texture as it is.
inline std::array<std::uint8_t, 3> colour15_light(std::int64_t c) {
    return {std::uint8_t(((c >> 10) & 31) << 3), std::uint8_t(((c >> 5) & 31) << 3), std::uint8_t((c & 31) << 3)};
}

// `count` faces of `corners` corners, each followed by its texture word and,
// with effects, an effects word.
inline bool read_faces(Cursor& c, std::int64_t count, int corners, const GameLayout& g, bool effects,
                std::vector<GeometryFace>& out) {
    const std::int64_t record = 2 * corners + 2 + (effects ? 2 : 0);
    const std::uint8_t* p = c.take(count, record);
    if (!p) return false;
    const std::size_t first = out.size();
    out.resize(first + std::size_t(count));
    for (std::int64_t i = 0; i < count; ++i, p += record) {
        GeometryFace& f = out[first + std::size_t(i)];
        f.corner_count = std::uint8_t(corners);
        for (int k = 0; k < corners; ++k) f.vertices[std::size_t(k)] = read_u16le(p + 2 * k);
        const std::uint16_t texture = read_u16le(p + 2 * corners);
        f.texture = texture & g.texture_mask;
        f.double_sided = (texture & g.double_sided_bit) != 0;
        f.additive = effects && (read_u16le(p + 2 * corners + 2) & 1) != 0;
    }
    return true;
}

// Room `index` of the level, Tomb Raider 1-4 or 5 by `game`, from the parts
// its walk found; the problem when its record cannot be read.
std::optional<Phrase> read_room_record(LevelBytes& bytes, const RoomStretch& stretch, int game, const GameLayout& g,
                                       int index, RoomGeometry& out);

}  // namespace tilesmith::level_records
