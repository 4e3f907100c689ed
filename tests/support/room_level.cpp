// Small levels with real rooms, byte by byte.
#include "support/room_level.h"

#include <zlib.h>

#include <cstring>

#include "support/level_builder.h"

namespace tilesmith {

namespace {

class Out {
public:
    explicit Out(const RoomLevelSpec& wanted) : wanted_(wanted) {}
    Bytes bytes;
    void u8(std::uint32_t v) { bytes.push_back(std::uint8_t(v)); }
    void u16(std::uint32_t v) { u8(v), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v), u16(v >> 16); }
    void zeros(std::size_t n) { bytes.resize(bytes.size() + n, 0); }
    void text(const char* s, std::size_t n) { bytes.insert(bytes.end(), s, s + n); }
    void append(const Bytes& b) { bytes.insert(bytes.end(), b.begin(), b.end()); }
    // A field a test may make hostile.
    void field(const std::string& name, int width, std::uint32_t v) {
        if (!name.empty() && name == wanted_.hostile) v = wanted_.hostile_value;
        width == 2 ? u16(v) : u32(v);
    }
    void put_u32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    }

private:
    const RoomLevelSpec& wanted_;
};

constexpr std::int16_t kSquare[4][3] = {{0, 0, 0}, {1024, 0, 0}, {1024, 0, 1024}, {0, 0, 1024}};
constexpr std::int16_t kMeshSquare[4][3] = {{0, 0, 0}, {100, 0, 0}, {100, -100, 0}, {0, -100, 0}};

struct Face {
    int corners;
    std::uint16_t v[4];
    std::uint16_t texture;
};

std::vector<Face> room_faces(const RoomLevelSpec& w, int r) {
    const std::uint16_t both = w.game >= 3 ? 0x8000 : 0;
    std::vector<Face> faces;
    // Floors, seen from above: clockwise there, as every real level winds them.
    if (r == 0) faces.push_back({4, {0, 3, 2, 1}, std::uint16_t(0 | both)});
    for (int i = 0; i < w.extra_quads; ++i) faces.push_back({4, {0, 3, 2, 1}, 0});
    faces.push_back(r == 0 ? Face{3, {0, 2, 1, 0}, 1} : Face{3, {0, 3, 2, 0}, 1});
    return faces;
}

// Quads, then triangles, each with `effects` words when asked.
void write_faces(Out& o, const std::vector<Face>& faces, int corners, bool effects, bool counted, bool hostile_room) {
    std::uint32_t n = 0;
    for (const Face& f : faces) n += f.corners == corners;
    if (counted) o.field(hostile_room ? (corners == 4 ? "room quads" : "room triangles") : "", 2, n);
    for (const Face& f : faces) {
        if (f.corners != corners) continue;
        for (int k = 0; k < corners; ++k) o.u16(f.v[k]);
        o.u16(f.texture);
        if (effects) o.u16(0);
    }
}

void write_static(Out& o, int game) {
    o.u32(2560), o.u32(std::uint32_t(-512)), o.u32(4608);
    o.u16(16384);
    o.u16(game <= 2 ? 0x1000 : 0x4210);
    if (game >= 2) o.u16(0);
    o.u16(7);
}

void write_room_geometry(Out& o, const RoomLevelSpec& w, int r) {
    o.field(r == 0 ? "room vertices" : "", 2, 4);
    for (const auto& v : kSquare) {
        for (const std::int16_t c : v) o.u16(std::uint16_t(c));
        if (w.game == 1) o.u16(0x1000);
        else if (w.game == 2) o.u16(0x1000), o.u16(0), o.u16(0x1000);
        else o.u16(0), o.u16(0), o.u16(0x4210);
    }
    const auto faces = room_faces(w, r);
    write_faces(o, faces, 4, false, true, r == 0);
    write_faces(o, faces, 3, false, true, r == 0);
    const bool sprite = w.objects && r == 0;
    o.field(r == 0 ? "room sprites" : "", 2, sprite ? 1 : 0);
    if (sprite) o.u16(2), o.u16(0);
}

void write_room(Out& o, const RoomLevelSpec& w, int r) {
    o.u32(std::uint32_t(4096 * r)), o.u32(4096), o.u32(0), o.u32(std::uint32_t(-1024));
    Out geometry(w);
    write_room_geometry(geometry, w, r);
    o.u32(std::uint32_t(geometry.bytes.size() / 2));
    o.append(geometry.bytes);
    o.u16(0);                        // portals
    o.u16(1), o.u16(1), o.zeros(8);  // one sector
    o.zeros(w.game == 1 ? 2 : w.game == 2 ? 6 : 4);
    o.u16(0);  // lights
    o.field(r == 0 ? "static meshes placed" : "", 2, r == 0 ? 1 : 0);
    if (r == 0) write_static(o, w.game);
    o.u16(r == 0 && w.rooms > 1 ? 1 : 0xFFFF), o.u16(0);
    if (w.game >= 3) o.zeros(3);
}

// A Tomb Raider 5 room: its header of 208 bytes, then the static mesh, one
// roomlet's counts, its faces and its vertices, where the header says.
void write_tr5_room(Out& o, const RoomLevelSpec& w, int r) {
    const auto faces = room_faces(w, r);
    Out data(w);
    const std::uint32_t statics_at = 0;
    if (r == 0) write_static(data, 5);
    const std::uint32_t roomlet_at = std::uint32_t(data.bytes.size());
    std::uint16_t quads = 0, triangles = 0;
    for (const Face& f : faces) (f.corners == 4 ? quads : triangles)++;
    data.field(r == 0 ? "room vertices" : "", 2, 4);
    data.u16(0), data.u16(0);
    data.field(r == 0 ? "room quads" : "", 2, quads);
    data.field(r == 0 ? "room triangles" : "", 2, triangles);
    data.zeros(56 - 10);
    const std::uint32_t faces_at = std::uint32_t(data.bytes.size());
    write_faces(data, faces, 4, true, false, false);
    write_faces(data, faces, 3, true, false, false);
    const std::uint32_t vertices_at = std::uint32_t(data.bytes.size());
    for (const auto& v : kSquare) {
        for (const std::int16_t c : v) {
            const float f = c;
            std::uint32_t bits;
            std::memcpy(&bits, &f, 4);
            data.u32(bits);
        }
        data.zeros(12);
        data.u32(0xFF808080u);
    }

    Out h(w);
    h.zeros(208);
    h.put_u32(16, statics_at);
    h.put_u32(20, std::uint32_t(4096 * r));
    h.put_u32(28, 4096);
    h.put_u32(36, std::uint32_t(-1024));
    h.bytes[50] = r == 0 ? 1 : 0;
    if (r == 0 && w.hostile == "static meshes placed") h.bytes[50] = h.bytes[51] = 0xFF;
    const std::uint16_t alternate = r == 0 && w.rooms > 1 ? 1 : 0xFFFF;
    h.bytes[76] = std::uint8_t(alternate), h.bytes[77] = std::uint8_t(alternate >> 8);
    h.put_u32(80, 4);
    h.put_u32(136, triangles);
    h.put_u32(140, quads);
    h.put_u32(168, r == 0 && w.hostile == "roomlets" ? w.hostile_value : 1);
    h.put_u32(172, roomlet_at);
    h.put_u32(176, r == 0 && w.hostile == "vertices offset" ? w.hostile_value : vertices_at);
    h.put_u32(180, faces_at);
    h.put_u32(184, faces_at);
    h.put_u32(188, 4 * 28);
    o.text("XELA", 4);
    o.u32(std::uint32_t(h.bytes.size() + data.bytes.size()));
    o.append(h.bytes);
    o.append(data.bytes);
}

void write_mesh_tables(Out& o, const RoomLevelSpec& w) {
    const bool tr45 = w.game >= 4;
    Out mesh(w);
    mesh.zeros(10);  // centre and radius
    mesh.field("mesh vertices", 2, 4);
    for (const auto& v : kMeshSquare)
        for (const std::int16_t c : v) mesh.u16(std::uint16_t(c));
    mesh.u16(std::uint16_t(-4)), mesh.zeros(8);  // four lights
    mesh.u16(1);
    for (const std::uint16_t v : {0, 1, 2, 3}) mesh.u16(v);
    mesh.u16(0);
    if (tr45) mesh.u16(1);  // additive
    mesh.u16(0);            // textured triangles
    if (!tr45) mesh.u16(0), mesh.u16(0);
    o.u32(0);  // floor data
    o.u32(std::uint32_t(mesh.bytes.size() / 2));
    o.append(mesh.bytes);
    if (!w.objects) {
        o.u32(1), o.u32(0);  // one mesh pointer
        for (int i = 0; i < 7; ++i) o.u32(0);  // animations to models
    } else {
        o.u32(3), o.u32(0), o.u32(0), o.u32(0x7FFFFFF0);
        o.u32(1), o.u32(4), o.zeros(w.game >= 4 ? 36 : 28);  // the animation's frame at byte 4
        o.u32(0), o.u32(0), o.u32(0);
        o.u32(4), o.u32(2), o.u32(0), o.u32(std::uint32_t(-100)), o.u32(0);
        const bool tr1 = w.game == 1;
        o.u32(tr1 ? 16 : 14), o.u16(0xAAAA), o.u16(0xAAAA), o.zeros(12), o.u16(10), o.u16(std::uint16_t(-442)), o.u16(20);
        if (tr1) o.u16(2), o.u16(0), o.u16(0x1000), o.u16(0x0200), o.u16(0);  // low words first
        else o.u16(0x1000), o.u16(0), o.u16(w.game >= 4 ? 0xC800 : 0xC200);
        o.u32(1), o.u32(0), o.u16(2), o.u16(0), o.u32(0), o.u32(0), o.u16(0);
        if (w.game == 5) o.u16(0);
    }
    o.u32(1);
    o.u32(7), o.u16(0), o.zeros(24), o.u16(0);
}

// Sprite textures and sequences to the animated texture words.
void write_sprites_to_animated(Out& o, const RoomLevelSpec& w) {
    const int n = w.objects ? 1 : 0;
    o.u32(n);
    if (n) {
        o.u16(0), o.u8(16), o.u8(32), o.u16(7 * 256 + 255), o.u16(15 * 256 + 255);
        for (const int side : w.game >= 4 ? std::array{16, 32, 24, 48} : std::array{-20, -40, 20, 0}) o.u16(std::uint16_t(side));
    }
    o.u32(n);
    if (n) o.u32(200), o.u16(std::uint16_t(-1)), o.u16(0);
    for (int i = 0; i < (w.game >= 4 ? 5 : 4); ++i) o.u32(0);  // cameras, (flyby cameras,) sound sources, boxes, overlaps
    o.u32(n ? 4 : 0);
    if (n) o.u16(1), o.u16(1), o.u16(0), o.u16(1);
}

void write_items(Out& o, const RoomLevelSpec& w) {
    o.u32(w.objects ? 2 : 0);
    for (int i = 0; w.objects && i < 2; ++i) {
        o.u16(i == 0 ? 0 : 200), o.u16(i == 0 ? 0 : 5), o.u32(512), o.u32(std::uint32_t(-256)), o.u32(4608), o.u16(0x4000);
        o.u16(i == 1 ? 0xFFFF : w.game <= 2 ? 0x0800 : 0x6318);  // the sprite in its room's light
        if (w.game >= 2) o.u16(0);
        o.u16(0x3E00);
    }
}

void write_object_textures(Out& o, const RoomLevelSpec& w) {
    const int last = w.pages - 1;
    o.u32(2);
    const std::uint8_t corners[2][4][2] = {{{64, 0}, {128, 0}, {128, 64}, {64, 64}}, {{0, 0}, {64, 0}, {0, 64}, {0, 0}}};
    for (int t = 0; t < 2; ++t) {
        o.u16(std::uint16_t(t));
        o.u16(std::uint16_t(t == 0 ? 0 : last) | (t == 1 && w.game >= 4 ? 0x8000 : 0));
        if (w.game >= 4) o.u16(0);
        for (const auto& c : corners[t]) o.u8(0), o.u8(c[0]), o.u8(0), o.u8(c[1]);
        if (w.game >= 4) o.zeros(w.game == 4 ? 16 : 18);
    }
}

// Sprite textures and sequences, cameras, sound sources, boxes, overlaps and
// animated textures: all empty.
void write_empty(Out& o, int count) {
    for (int i = 0; i < count; ++i) o.u32(0);
}

Bytes level_data(const RoomLevelSpec& w) {
    Out o(w);
    const bool tr4 = w.game == 4;
    o.u32(0);
    o.field("rooms", tr4 ? 2 : 4, std::uint32_t(w.rooms));
    for (int r = 0; r < w.rooms; ++r) tr4 ? write_room(o, w, r) : write_tr5_room(o, w, r);
    write_mesh_tables(o, w);
    o.text("SPR\0", tr4 ? 3 : 4);
    write_sprites_to_animated(o, w);
    o.u8(0);
    o.text("TEX\0", tr4 ? 3 : 4);
    write_object_textures(o, w);
    write_items(o, w);
    o.u32(0);  // AI objects
    o.u16(0);
    o.zeros(tr4 ? 740 : 900);
    write_empty(o, 2);  // sound details, sample indices
    o.zeros(6);  // three zero words close the block, in both games
    return o.bytes;
}

void block(Out& o, const Bytes& plain) {
    const Bytes packed = zlib_compress(plain, Z_BEST_SPEED);
    o.u32(std::uint32_t(plain.size()));
    o.u32(std::uint32_t(packed.size()));
    o.append(packed);
}

Bytes tr45(const RoomLevelSpec& w) {
    Out o(w);
    o.text("TR4\0", 4);
    o.u16(std::uint16_t(w.pages)), o.u16(0), o.u16(0);
    Bytes pages32, pages16;
    for (int i = 0; i < w.pages * 256 * 256; ++i) {
        for (const std::uint8_t c : {w.colour[2], w.colour[1], w.colour[0], std::uint8_t(255)}) pages32.push_back(c);
        const std::uint16_t word = std::uint16_t(0x8000 | (w.colour[0] >> 3) << 10 | (w.colour[1] >> 3) << 5 | w.colour[2] >> 3);
        pages16.push_back(std::uint8_t(word)), pages16.push_back(std::uint8_t(word >> 8));
    }
    block(o, pages32);
    block(o, pages16);
    block(o, Bytes(2 * 262144, 0));  // sky and font
    const Bytes data = level_data(w);
    if (w.game == 4) {
        block(o, data);
    } else {
        o.zeros(32);
        o.u32(std::uint32_t(data.size())), o.u32(std::uint32_t(data.size()));
        o.append(data);
    }
    o.u32(0);  // samples
    return o.bytes;
}

Bytes tr123(const RoomLevelSpec& w) {
    Out o(w);
    const std::array<std::uint8_t, 3> six_bit{std::uint8_t(w.colour[0] >> 2), std::uint8_t(w.colour[1] >> 2),
                                              std::uint8_t(w.colour[2] >> 2)};
    const auto palette = [&] {
        o.zeros(3);
        for (const std::uint8_t c : six_bit) o.u8(c);
        o.zeros(768 - 6);
    };
    if (w.game == 1) {
        o.u32(0x20);
    } else {
        o.u32(w.game == 2 ? 0x2D : 0xFF180038u);
        palette();
        o.zeros(1024);
    }
    o.u32(std::uint32_t(w.pages));
    o.bytes.resize(o.bytes.size() + std::size_t(w.pages) * 65536, 1);
    const std::uint16_t word = std::uint16_t(0x8000 | (w.colour[0] >> 3) << 10 | (w.colour[1] >> 3) << 5 | w.colour[2] >> 3);
    if (w.game > 1)
        for (int i = 0; i < w.pages * 65536; ++i) o.u16(word);
    o.u32(0);
    o.field("rooms", 2, std::uint32_t(w.rooms));
    for (int r = 0; r < w.rooms; ++r) write_room(o, w, r);
    write_mesh_tables(o, w);
    if (w.game != 3) write_object_textures(o, w);
    write_sprites_to_animated(o, w);
    if (w.game == 3) write_object_textures(o, w);
    write_items(o, w);
    o.zeros(8192);
    if (w.game == 1) palette();
    o.u16(0), o.u16(0);
    o.zeros(w.game == 1 ? 512 : 740);
    write_empty(o, w.game == 1 ? 3 : 2);  // sound details, (sample bytes,) sample indices
    return o.bytes;
}

}  // namespace

Bytes make_room_level(const RoomLevelSpec& wanted) { return wanted.game >= 4 ? tr45(wanted) : tr123(wanted); }

std::string room_level_extension(int game) {
    constexpr const char* kExtensions[] = {".phd", ".tr2", ".tr2", ".tr4", ".trc"};
    return kExtensions[game - 1];
}

}  // namespace tilesmith
