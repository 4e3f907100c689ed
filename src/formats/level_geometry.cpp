// Reading what a level's walk found: each mesh is read whole and taken apart
// inside its own bytes (the rooms in level_rooms_read.cpp); the object tables
// are read whole and every index from one into another is checked where it is used.
#include "formats/level_geometry.h"
#include "formats/level_records.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <map>
#include <unordered_map>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "formats/format_registry.h"
#include "formats/level_kind.h"

namespace tilesmith {

std::int64_t LevelGeometry::quad_count() const {
    std::int64_t n = 0;
    for (const RoomGeometry& r : rooms) n += std::int64_t(r.quads.size());
    return n;
}

std::int64_t LevelGeometry::triangle_count() const {
    std::int64_t n = 0;
    for (const RoomGeometry& r : rooms) n += std::int64_t(r.triangles.size());
    return n;
}

std::int64_t LevelGeometry::placed_static_count() const {
    std::int64_t n = 0;
    for (const RoomGeometry& r : rooms) n += std::int64_t(r.statics.size());
    return n;
}

std::int64_t LevelGeometry::room_sprite_count() const {
    std::int64_t n = 0;
    for (const RoomGeometry& r : rooms) n += std::int64_t(r.sprites.size());
    return n;
}

namespace {

template <typename T, typename Id>
const T* find_id(const std::vector<T>& defs, std::int64_t id, Id T::*field) {
    for (const T& d : defs)
        if (std::int64_t(d.*field) == id) return &d;
    return nullptr;
}

// The first of each id, for counting over many items.
template <typename T, typename Id>
std::unordered_map<std::int64_t, const T*> by_id(const std::vector<T>& defs, Id T::*field) {
    std::unordered_map<std::int64_t, const T*> out;
    for (const T& d : defs) out.emplace(std::int64_t(d.*field), &d);
    return out;
}

}  // namespace

const MoveableDef* LevelGeometry::moveable(std::int64_t id) const { return find_id(moveables, id, &MoveableDef::id); }

const StaticMeshDef* LevelGeometry::static_mesh(std::int64_t id) const {
    return find_id(static_meshes, id, &StaticMeshDef::id);
}

const SpriteSequence* LevelGeometry::sprite_sequence(std::int64_t id) const {
    return find_id(sprite_sequences, id, &SpriteSequence::id);
}

const MoveableDef* LevelGeometry::dressed(const MoveableDef& m) const {
    // Lara's own meshes in the third to fifth games all lead to one dummy:
    // the game draws her skin's (id 315 in the third, 8 in the fourth and fifth).
    constexpr std::int64_t kLara = 0, kTr3LaraSkin = 315, kTr45LaraSkin = 8;
    if (game < 3 || m.id != kLara) return &m;
    const MoveableDef* skin = moveable(game == 3 ? kTr3LaraSkin : kTr45LaraSkin);
    return skin ? skin : &m;
}

int LevelGeometry::drawn_mesh(const MoveableDef& m, std::size_t k) const {
    const MoveableDef& dress = *dressed(m);
    if (k < dress.meshes.size()) return dress.meshes[k];
    return k < m.meshes.size() ? m.meshes[k] : -1;
}

std::int64_t LevelGeometry::placed_moveable_count() const {
    const auto known = by_id(moveables, &MoveableDef::id);
    return std::count_if(items.begin(), items.end(), [&](const PlacedItem& i) { return known.contains(i.type); });
}

std::int64_t LevelGeometry::placed_sprite_item_count() const {
    const auto moveable_ids = by_id(moveables, &MoveableDef::id);
    const auto sequence_ids = by_id(sprite_sequences, &SpriteSequence::id);
    return std::count_if(items.begin(), items.end(), [&](const PlacedItem& i) {
        return !moveable_ids.contains(i.type) && sequence_ids.contains(i.type);
    });
}

std::int64_t LevelGeometry::textured_object_face_count() const {
    const auto faces_of = [&](int mesh) {
        return mesh >= 0 && std::size_t(mesh) < meshes.size() ? std::int64_t(meshes[std::size_t(mesh)].faces.size()) : 0;
    };
    std::int64_t n = 0;
    const auto statics = by_id(static_meshes, &StaticMeshDef::id);
    for (const RoomGeometry& r : rooms)
        for (const PlacedStatic& s : r.statics)
            if (const auto found = statics.find(s.mesh_id); found != statics.end()) n += faces_of(found->second->mesh);
    const auto known = by_id(moveables, &MoveableDef::id);
    for (const PlacedItem& item : items)
        if (const auto found = known.find(item.type); found != known.end())
            for (const int mesh : found->second->meshes) n += faces_of(mesh);
    return n;
}

void refuse_room_walk(const std::string& file_name, Phrase problem) {
    throw Error(Msg::RoomsUnknown, file_name, std::move(problem));
}

namespace {

using namespace level_records;

// A mesh from byte `at` of the mesh data: its centre and radius, vertices,
// normals or lights, then its textured quads and triangles.
// `end` is where it ends.
std::optional<MeshGeometry> read_mesh(const std::vector<std::uint8_t>& data, std::int64_t at, const GameLayout& g,
                                      std::int64_t& end) {
    Cursor c(data, 0);
    c.seek(at);
    c.take(1, 10);
    MeshGeometry mesh;
    const std::int64_t vertices = c.i16();
    if (const std::uint8_t* p = c.take(vertices, 6)) {
        mesh.vertices.resize(std::size_t(vertices));
        for (GeometryVertex& v : mesh.vertices) {
            v.x = std::int16_t(read_u16le(p));
            v.y = std::int16_t(read_u16le(p + 2));
            v.z = std::int16_t(read_u16le(p + 4));
            p += 6;
        }
    }
    const std::int64_t normals = c.i16();
    c.take(normals >= 0 ? normals : -normals, normals >= 0 ? 6 : 2);
    read_faces(c, c.i16(), 4, g, g.face_effects, mesh.faces);
    read_faces(c, c.i16(), 3, g, g.face_effects, mesh.faces);
    if (!c.ok()) return std::nullopt;
    end = c.at();
    return mesh;
}

// Every mesh the mesh pointers lead to, each read once however many
// pointers share it. A pointer past the mesh data leads nowhere; so do those
// beyond the bytes meshes may take together, which only overlapping meshes reach.
std::optional<Phrase> read_meshes(LevelBytes& bytes, const GeometryStretches& found, const GameLayout& g,
                                  LevelGeometry& out) {
    const std::vector<std::uint8_t> data = read_stretch(bytes, found.mesh_words.at, found.mesh_words.count * 2);
    const std::vector<std::uint8_t> pointers = read_stretch(bytes, found.mesh_pointers.at, found.mesh_pointers.count * 4);
    const std::int64_t budget = 4 * std::int64_t(data.size()) + (1 << 20);
    std::int64_t taken = 0;
    std::map<std::int64_t, int> mesh_at;  // a byte of the mesh data -> its mesh
    out.mesh_of_pointer.assign(std::size_t(found.mesh_pointers.count), -1);
    for (std::int64_t i = 0; i < found.mesh_pointers.count; ++i) {
        const std::int64_t at = read_u32le(pointers.data() + 4 * i);
        if (at >= std::int64_t(data.size())) continue;
        auto known = mesh_at.find(at);
        if (known == mesh_at.end()) {
            if (taken > budget) continue;
            std::int64_t end = 0;
            auto mesh = read_mesh(data, at, g, end);
            if (!mesh) return Phrase(Msg::MeshBeyondEnd).arg(at).arg(data.size());
            taken += end - at;
            out.meshes.push_back(std::move(*mesh));
            known = mesh_at.emplace(at, int(out.meshes.size()) - 1).first;
        }
        out.mesh_of_pointer[std::size_t(i)] = known->second;
    }
    return std::nullopt;
}

int mesh_of(const LevelGeometry& out, std::int64_t pointer) {
    return pointer >= 0 && pointer < std::int64_t(out.mesh_of_pointer.size()) ? out.mesh_of_pointer[std::size_t(pointer)]
                                                                                : -1;
}

void read_static_meshes(LevelBytes& bytes, const GeometryStretches& found, LevelGeometry& out) {
    const std::vector<std::uint8_t> table = read_stretch(bytes, found.static_meshes.at, found.static_meshes.count * 32);
    for (std::int64_t i = 0; i < found.static_meshes.count; ++i) {
        const std::uint8_t* r = table.data() + i * 32;
        out.static_meshes.push_back({read_u32le(r), mesh_of(out, read_u16le(r + 4))});
    }
}

// A 10-bit angle (1024 to a whole turn) or a 12-bit one, in 1/65536 of a turn.
std::uint16_t widened(std::uint32_t angle, int bits) {
    return std::uint16_t((angle & ((1u << bits) - 1)) << (16 - bits));
}

MeshTurn three_axes(std::uint32_t packed) {
    return {widened(packed >> 20, 10), widened(packed >> 10, 10), widened(packed, 10)};
}

// The frame at byte `at` of the frame words: a bounding box, the offset of
// the first mesh, then the meshes' turns. The first game counts its turns and
// gives each in two words, the low one first; the later games give one word
// for a turn about one axis (its top two bits name the axis) or, with those
// bits clear, that word and the next, the high one first, for all three.
void read_pose(const std::vector<std::uint8_t>& frames, std::int64_t at, int game, const GameLayout& g,
               MoveableDef& m) {
    Cursor c(frames);
    c.seek(at);
    c.take(1, 12);
    const std::int64_t x = c.i16(), y = c.i16(), z = c.i16();
    if (!c.ok()) return;
    m.offset_x = std::int16_t(x), m.offset_y = std::int16_t(y), m.offset_z = std::int16_t(z);
    std::int64_t turns = std::int64_t(m.meshes.size());
    if (game == 1) turns = std::min(turns, c.u16());
    for (std::int64_t k = 0; k < turns; ++k) {
        if (game == 1) {
            const std::uint8_t* p = c.take(1, 4);
            if (!p) return;
            m.turns.push_back(three_axes(std::uint32_t(read_u16le(p + 2)) << 16 | read_u16le(p)));
            continue;
        }
        const auto first = std::uint32_t(c.u16());
        if (!c.ok()) return;
        const std::uint16_t angle = widened(first, g.single_axis_bits);
        switch (first & 0xC000) {
            case 0x4000: m.turns.push_back({angle, 0, 0}); break;
            case 0x8000: m.turns.push_back({0, angle, 0}); break;
            case 0xC000: m.turns.push_back({0, 0, angle}); break;
            default: {
                const auto second = std::uint32_t(c.u16());
                if (!c.ok()) return;
                m.turns.push_back(three_axes(first << 16 | second));
            }
        }
    }
}

// The moveables: their meshes by their pointers, their mesh trees and their
// default poses. Moveables together keep no more meshes than a level could
// hold; one beyond that keeps only its id.
void read_moveables(LevelBytes& bytes, const GeometryStretches& found, int game, const GameLayout& g,
                    LevelGeometry& out) {
    const std::vector<std::uint8_t> table = read_stretch(bytes, found.models.at, found.models.count * g.model_bytes);
    const std::vector<std::uint8_t> tree = read_stretch(bytes, found.mesh_tree_words.at, found.mesh_tree_words.count * 4);
    const std::vector<std::uint8_t> frames = read_stretch(bytes, found.frame_words.at, found.frame_words.count * 2);
    const std::vector<std::uint8_t> animations =
        read_stretch(bytes, found.animations.at, found.animations.count * g.animation_bytes);
    std::int64_t budget = 16 * found.mesh_pointers.count + (1 << 16);
    out.moveables.reserve(std::size_t(found.models.count));
    for (std::int64_t i = 0; i < found.models.count; ++i) {
        const std::uint8_t* r = table.data() + i * g.model_bytes;
        MoveableDef& m = out.moveables.emplace_back();
        m.id = read_u32le(r);
        const std::int64_t count = read_u16le(r + 4), first = read_u16le(r + 6);
        if ((budget -= count) < 0) continue;
        for (std::int64_t k = 0; k < count; ++k) m.meshes.push_back(mesh_of(out, first + k));
        const std::int64_t node = read_u32le(r + 8);
        if (count > 1 && node + 4 * (count - 1) <= found.mesh_tree_words.count)
            for (std::int64_t k = 0; k + 1 < count; ++k) {
                const std::uint8_t* p = tree.data() + 4 * (node + 4 * k);
                m.tree.push_back({read_u32le(p), read_i32le(p + 4), read_i32le(p + 8), read_i32le(p + 12)});
            }
        std::int64_t frame = read_u32le(r + 12);
        const std::int64_t animation = read_u16le(r + 16);
        if (animation < found.animations.count) frame = read_u32le(animations.data() + animation * g.animation_bytes);
        read_pose(frames, frame, game, g, m);
    }
}

// Sprite sequences, the items placed and the animated texture ranges.
void read_placed(LevelBytes& bytes, const GeometryStretches& found, const GameLayout& g, LevelGeometry& out) {
    const std::vector<std::uint8_t> sequences = read_stretch(bytes, found.sprite_sequences.at, found.sprite_sequences.count * 8);
    for (std::int64_t i = 0; i < found.sprite_sequences.count; ++i) {
        const std::uint8_t* r = sequences.data() + 8 * i;
        out.sprite_sequences.push_back(
            {read_i32le(r), read_u16le(r + 6), std::max(0, -int(std::int16_t(read_u16le(r + 4))))});
    }
    const std::vector<std::uint8_t> items = read_stretch(bytes, found.items.at, found.items.count * g.item_bytes);
    for (std::int64_t i = 0; i < found.items.count; ++i) {
        const std::uint8_t* r = items.data() + i * g.item_bytes;
        PlacedItem& item = out.items.emplace_back();
        item.type = std::int16_t(read_u16le(r));
        const int room = std::int16_t(read_u16le(r + 2));
        item.room = room >= 0 && std::size_t(room) < out.rooms.size() ? room : -1;
        item.x = read_i32le(r + 4), item.y = read_i32le(r + 8), item.z = read_i32le(r + 12);
        item.rotation = read_u16le(r + 16);
        // -1 (every bit set) leaves the item in its room's light: drawn as its texture is.
        const std::int64_t light = read_u16le(r + 18);
        if (light != 0xFFFF)
            item.light = g.vertex_colour ? colour15_light(light) : intensity_light(std::int16_t(light));
        item.flags = read_u16le(r + g.item_bytes - 2);
    }
    const std::vector<std::uint8_t> words = read_stretch(bytes, found.animated_words.at, found.animated_words.count * 2);
    Cursor c(words);
    const std::int64_t ranges = c.u16();
    for (std::int64_t i = 0; i < ranges; ++i) {
        const std::int64_t count = c.u16() + 1;
        const std::uint8_t* p = c.take(count, 2);
        if (!p) break;
        AnimatedRange& range = out.animated.emplace_back();
        for (std::int64_t k = 0; k < count; ++k) range.textures.push_back(read_u16le(p + 2 * k));
    }
}

}  // namespace

using level_records::GameLayout;
using level_records::layout_of;
using level_records::read_room_record;

LevelGeometry read_level_geometry(LevelBytes& bytes, const GeometryStretches& found, int game,
                                  LevelTextureRefs textures, const std::string& file_name) {
    const GameLayout g = layout_of(game);
    LevelGeometry out;
    out.game = game;
    out.textures = std::move(textures);
    out.rooms.resize(found.rooms.size());
    for (std::size_t i = 0; i < found.rooms.size(); ++i) {
        const auto problem = read_room_record(bytes, found.rooms[i], game, g, int(i), out.rooms[i]);
        if (problem) refuse_room_walk(file_name, *problem);
    }
    for (const RoomGeometry& room : out.rooms)
        if (room.alternate_room >= 0 && std::size_t(room.alternate_room) < out.rooms.size())
            out.rooms[std::size_t(room.alternate_room)].alternate = true;
    if (const auto problem = read_meshes(bytes, found, g, out)) refuse_room_walk(file_name, *problem);
    read_static_meshes(bytes, found, out);
    read_moveables(bytes, found, game, g, out);
    read_placed(bytes, found, g, out);
    return out;
}

}  // namespace tilesmith
