// Reading a level's rooms: each room record is read whole and taken apart
// inside its own bytes.
#include "core/error.h"
#include "formats/level_records.h"

namespace tilesmith::level_records {

namespace {

PlacedStatic placed_static(const std::uint8_t* p, const GameLayout& g, bool colour) {
    PlacedStatic s;
    s.x = read_i32le(p);
    s.y = read_i32le(p + 4);
    s.z = read_i32le(p + 8);
    s.rotation = read_u16le(p + 12);
    s.light = colour ? colour15_light(read_u16le(p + 14)) : intensity_light(std::int16_t(read_u16le(p + 14)));
    s.mesh_id = read_u16le(p + g.static_bytes - 2);
    return s;
}

// A room of Tomb Raider 1-4 from the parts its walk found.
std::optional<Phrase> read_room(LevelBytes& bytes, const RoomStretch& stretch, const GameLayout& g, int index,
                                RoomGeometry& room) {
    const std::vector<std::uint8_t> info = read_stretch(bytes, stretch.at, 16);
    room.x = read_i32le(info.data());
    room.z = read_i32le(info.data() + 4);
    room.y_bottom = read_i32le(info.data() + 8);
    room.y_top = read_i32le(info.data() + 12);

    const std::vector<std::uint8_t> data = read_stretch(bytes, stretch.geometry.at, stretch.geometry.count * 2);
    Cursor c(data);
    const std::int64_t vertices = c.i16();
    if (const std::uint8_t* p = c.take(vertices, g.room_vertex_bytes)) {
        room.vertices.resize(std::size_t(vertices));
        for (GeometryVertex& v : room.vertices) {
            v.x = offset(room.x, std::int16_t(read_u16le(p)));
            v.y = std::int16_t(read_u16le(p + 2));
            v.z = offset(room.z, std::int16_t(read_u16le(p + 4)));
            v.light = g.vertex_colour ? colour15_light(read_u16le(p + 10)) : intensity_light(std::int16_t(read_u16le(p + 6)));
            p += g.room_vertex_bytes;
        }
    }
    read_faces(c, c.i16(), 4, g, false, room.quads);
    read_faces(c, c.i16(), 3, g, false, room.triangles);
    const std::int64_t sprites = c.i16();
    if (const std::uint8_t* p = c.take(sprites, 4))
        for (std::int64_t i = 0; i < sprites; ++i, p += 4) room.sprites.push_back({read_u16le(p), read_u16le(p + 2)});
    if (!c.ok()) return Phrase(Msg::RoomDataBeyondEnd).arg(index).arg(data.size());

    const std::vector<std::uint8_t> statics = read_stretch(bytes, stretch.statics.at, stretch.statics.count * g.static_bytes);
    for (std::int64_t i = 0; i < stretch.statics.count; ++i)
        room.statics.push_back(placed_static(statics.data() + i * g.static_bytes, g, g.vertex_colour));
    std::uint8_t alternate[2];
    bytes.read(stretch.tail, alternate, 2);
    room.alternate_room = std::int16_t(read_u16le(alternate));
    return std::nullopt;
}

// A Tomb Raider 5 room record, after its marker and length: a header of
// 208 bytes, then lights, sectors, portals and static meshes, the roomlets'
// counts, their faces and their vertices where the header's offsets say.
std::optional<Phrase> read_tr5_room(LevelBytes& bytes, const RoomStretch& stretch, const GameLayout& g, int index,
                                    RoomGeometry& room) {
    constexpr std::int64_t kHeaderBytes = 208;
    const std::vector<std::uint8_t> data = read_stretch(bytes, stretch.at, stretch.end - stretch.at);
    const auto problem = [&] { return Phrase(Msg::RoomDataBeyondEnd).arg(index).arg(data.size()); };
    if (std::int64_t(data.size()) < kHeaderBytes) return problem();
    const std::uint8_t* h = data.data();
    room.x = read_i32le(h + 20);
    room.z = read_i32le(h + 28);
    room.y_bottom = read_i32le(h + 32);
    room.y_top = read_i32le(h + 36);
    room.alternate_room = std::int16_t(read_u16le(h + 76));
    const std::int64_t statics = read_u16le(h + 50);
    const std::int64_t roomlets = read_u32le(h + 168);

    Cursor c(data);
    c.seek(kHeaderBytes + read_u32le(h + 16));
    if (const std::uint8_t* p = c.take(statics, g.static_bytes))
        for (std::int64_t i = 0; i < statics; ++i) room.statics.push_back(placed_static(p + i * g.static_bytes, g, true));

    struct Roomlet {
        std::int64_t vertices, quads, triangles;
    };
    std::vector<Roomlet> counts;
    if (roomlets > 0) {
        c.seek(kHeaderBytes + read_u32le(h + 172));
        if (const std::uint8_t* p = c.take(roomlets, 56))
            for (std::int64_t i = 0; i < roomlets; ++i, p += 56)
                counts.push_back({read_u16le(p), read_u16le(p + 6), read_u16le(p + 8)});
        c.seek(kHeaderBytes + read_u32le(h + 180));
        std::vector<std::size_t> first_quad, first_triangle;
        for (const Roomlet& r : counts) {
            first_quad.push_back(room.quads.size());
            read_faces(c, r.quads, 4, g, true, room.quads);
            first_triangle.push_back(room.triangles.size());
            read_faces(c, r.triangles, 3, g, true, room.triangles);
        }
        // Each roomlet's faces name its own vertices: they follow the earlier roomlets' here.
        c.seek(kHeaderBytes + read_u32le(h + 176));
        for (std::size_t r = 0; r < counts.size() && c.ok(); ++r) {
            const auto base = std::uint16_t(room.vertices.size());
            const auto shift = [&](std::vector<GeometryFace>& faces, std::size_t from, std::int64_t n) {
                for (std::int64_t i = 0; i < n; ++i)
                    for (std::uint16_t& v : faces[from + std::size_t(i)].vertices) v = std::uint16_t(v + base);
            };
            shift(room.quads, first_quad[r], counts[r].quads);
            shift(room.triangles, first_triangle[r], counts[r].triangles);
            const std::uint8_t* p = c.take(counts[r].vertices, 28);
            for (std::int64_t i = 0; p && i < counts[r].vertices; ++i, p += 28) {
                GeometryVertex v;
                v.x = offset(room.x, coordinate(p));
                v.y = coordinate(p + 4);
                v.z = offset(room.z, coordinate(p + 8));
                v.light = {p[26], p[25], p[24]};
                room.vertices.push_back(v);
            }
        }
    }
    if (!c.ok()) return problem();
    return std::nullopt;
}

}  // namespace

std::optional<Phrase> read_room_record(LevelBytes& bytes, const RoomStretch& stretch, int game, const GameLayout& g,
                                       int index, RoomGeometry& out) {
    return game == 5 ? read_tr5_room(bytes, stretch, g, index, out) : read_room(bytes, stretch, g, index, out);
}

}  // namespace tilesmith::level_records
