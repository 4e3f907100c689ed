// Turning a level's rooms and static meshes into faces on the package.
#include "model/level_scene.h"

#include <algorithm>
#include <cmath>

#include "core/dimensions.h"

namespace tilesmith {

namespace {

FaceBlend blend_of(std::uint16_t attribute, bool additive) {
    if (additive || attribute >= 2) return FaceBlend::additive;
    return attribute == 1 ? FaceBlend::cut_out : FaceBlend::opaque;
}

}  // namespace

LevelScene::LevelScene(const LevelGeometry& geometry, int pages) : pages_(std::max(pages, 0)) {
    rooms_.reserve(geometry.rooms.size());
    faces_.reserve(std::size_t(geometry.quad_count() + geometry.triangle_count()));
    bool any_faces = false;
    for (std::size_t r = 0; r < geometry.rooms.size(); ++r) {
        const RoomGeometry& room = geometry.rooms[r];
        SceneRoom out;
        out.first_face = int(faces_.size());
        out.alternate = room.alternate;
        out.alternate_room = room.alternate_room;
        SceneFace face;
        face.room = int(r);
        for (const auto* list : {&room.quads, &room.triangles})
            for (const GeometryFace& f : *list) {
                add_face(f, room.vertices, geometry, face, nullptr, nullptr);
                ++face.face;
            }
        for (std::size_t s = 0; s < room.statics.size(); ++s) {
            const PlacedStatic& placed = room.statics[s];
            const StaticMeshDef* def = geometry.static_mesh(placed.mesh_id);
            if (!def || def->mesh < 0 || std::size_t(def->mesh) >= geometry.meshes.size()) continue;
            const MeshGeometry& mesh = geometry.meshes[std::size_t(def->mesh)];
            const Affine place = placed_at(float(placed.x), float(placed.y), float(placed.z), placed.rotation);
            face.placed_static = int(s);
            face.object = int(def->id);
            face.mesh_face = 0;
            for (const GeometryFace& f : mesh.faces) {
                add_face(f, mesh.vertices, geometry, face, &placed.light, &place);
                ++face.face;
                ++face.mesh_face;
            }
        }
        for (const RoomSprite& sprite : room.sprites) {
            if (sprite.vertex >= room.vertices.size()) {
                ++left_out_;
                continue;
            }
            const GeometryVertex& v = room.vertices[sprite.vertex];
            SceneSprite out_sprite;
            out_sprite.room = int(r);
            out_sprite.light = v.light;
            add_sprite(geometry, sprite.texture, {float(v.x), float(v.y), float(v.z)}, out_sprite);
        }
        out.face_count = int(faces_.size()) - out.first_face;
        for (int i = out.first_face; i < out.first_face + out.face_count; ++i)
            for (int k = 0; k < faces_[std::size_t(i)].corner_count; ++k) {
                const SceneCorner& c = faces_[std::size_t(i)].corners[std::size_t(k)];
                const float p[3] = {c.x, c.y, c.z};
                for (int a = 0; a < 3; ++a) {
                    const bool first = i == out.first_face && k == 0;
                    out.low[std::size_t(a)] = first ? p[a] : std::min(out.low[std::size_t(a)], p[a]);
                    out.high[std::size_t(a)] = first ? p[a] : std::max(out.high[std::size_t(a)], p[a]);
                }
            }
        if (out.face_count > 0) {
            for (std::size_t a = 0; a < 3; ++a) {
                low_[a] = any_faces ? std::min(low_[a], out.low[a]) : out.low[a];
                high_[a] = any_faces ? std::max(high_[a], out.high[a]) : out.high[a];
            }
            any_faces = true;
        }
        rooms_.push_back(out);
    }
    add_items(geometry);
    keep_ranges(geometry);
}

void LevelScene::add_face(const GeometryFace& f, const std::vector<GeometryVertex>& vertices,
                          const LevelGeometry& geometry, SceneFace face, const std::array<std::uint8_t, 3>* light,
                          const Affine* place) {
    const auto& textures = geometry.textures.objects;
    if (f.texture >= textures.size()) {
        ++left_out_;
        return;
    }
    const ObjectTextureRef& t = textures[f.texture];
    if (t.page < 0 || t.page >= pages_ ||
        std::any_of(f.vertices.begin(), f.vertices.begin() + f.corner_count,
                    [&](std::uint16_t v) { return v >= vertices.size(); })) {
        ++left_out_;
        return;
    }
    face.corner_count = f.corner_count;
    face.blend = blend_of(t.attribute, f.additive);
    face.double_sided = f.double_sided;
    face.page = t.page;
    face.object_texture = f.texture;
    for (int k = 0; k < f.corner_count; ++k) {
        const GeometryVertex& v = vertices[f.vertices[std::size_t(k)]];
        SceneCorner& c = face.corners[std::size_t(k)];
        if (place) {
            const Vec3 p = place->apply(float(v.x), float(v.y), float(v.z));
            c.x = p.x, c.y = p.y, c.z = p.z;
        } else {
            c = {float(v.x), float(v.y), float(v.z)};
        }
        for (std::size_t i = 0; i < 3; ++i)
            c.light[i] = light ? std::uint8_t(std::min(255, v.light[i] * (*light)[i] / 128)) : v.light[i];
        const PageCorner& uv = t.corners[std::size_t(k)];
        c.u = float(uv.x);
        c.v = float(t.page * kPageSide + uv.y);
    }
    faces_.push_back(face);
}

Rect LevelScene::texture_rect(const SceneFace& face) const {
    float low_u = 1e9f, low_v = 1e9f, high_u = -1e9f, high_v = -1e9f;
    for (int k = 0; k < face.corner_count; ++k) {
        const SceneCorner& c = face.corners[std::size_t(k)];
        low_u = std::min(low_u, c.u);
        high_u = std::max(high_u, c.u);
        low_v = std::min(low_v, c.v);
        high_v = std::max(high_v, c.v);
    }
    const Rect page{0, face.page * kPageSide, kPageSide, (face.page + 1) * kPageSide};
    return Rect{int(std::floor(low_u)), int(std::floor(low_v)), int(std::ceil(high_u)), int(std::ceil(high_v))}
        .intersected(page);
}

namespace {

// The whole tiles a package rectangle touches; the tile at its corner when it is empty.
Rect tiles_of(const Rect& r) {
    if (r.empty()) return Rect::of_size(r.left / kTileSide * kTileSide, r.top / kTileSide * kTileSide, kTileSide, kTileSide);
    return {r.left / kTileSide * kTileSide, r.top / kTileSide * kTileSide,
            (r.right + kTileSide - 1) / kTileSide * kTileSide, (r.bottom + kTileSide - 1) / kTileSide * kTileSide};
}

}  // namespace

Rect LevelScene::texture_tiles(const SceneFace& face) const { return tiles_of(texture_rect(face)); }

Rect LevelScene::picked_tiles(const ScenePick& pick) const {
    if (pick.sprite >= 0 && std::size_t(pick.sprite) < sprites_.size()) return tiles_of(sprites_[std::size_t(pick.sprite)].texture);
    if (pick.face >= 0 && std::size_t(pick.face) < faces_.size()) return texture_tiles(faces_[std::size_t(pick.face)]);
    return {};
}

std::vector<bool> LevelScene::shown_rooms(bool flipped) const {
    std::vector<bool> shown(rooms_.size(), true);
    for (std::size_t r = 0; r < rooms_.size(); ++r) {
        const int alternate = rooms_[r].alternate_room;
        const bool has_alternate = alternate >= 0 && std::size_t(alternate) < rooms_.size();
        if (flipped ? has_alternate : rooms_[r].alternate) shown[r] = false;
    }
    return shown;
}

namespace {

Vec3 minus(const Vec3& a, const Vec3& b) { return add(a, b, -1); }
Vec3 at(const SceneCorner& c) { return {c.x, c.y, c.z}; }

// Where the ray meets the triangle, from either side; nullopt when it misses.
std::optional<float> meet(const Ray& ray, const Vec3& a, const Vec3& b, const Vec3& c) {
    const Vec3 ab = minus(b, a), ac = minus(c, a);
    const Vec3 p = cross(ray.direction, ac);
    const float det = dot(ab, p);
    if (std::fabs(det) < 1e-6f) return std::nullopt;
    const Vec3 t = minus(ray.origin, a);
    const float u = dot(t, p) / det;
    if (u < 0 || u > 1) return std::nullopt;
    const Vec3 q = cross(t, ab);
    const float v = dot(ray.direction, q) / det;
    if (v < 0 || u + v > 1) return std::nullopt;
    const float distance = dot(ac, q) / det;
    return distance > 0 ? std::optional<float>(distance) : std::nullopt;
}

}  // namespace

std::optional<ScenePick> LevelScene::pick(const Ray& ray, const std::vector<bool>& shown,
                                          const SpriteFacing& facing) const {
    std::optional<ScenePick> best;
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        const SceneFace& f = faces_[i];
        if (std::size_t(f.room) >= shown.size() || !shown[std::size_t(f.room)]) continue;
        const Vec3 a = at(f.corners[0]), b = at(f.corners[1]), c = at(f.corners[2]);
        // The level's faces show their front where their corners turn clockwise
        // about the normal this cross product gives.
        if (!f.double_sided && dot(ray.direction, cross(minus(b, a), minus(c, a))) <= 0) continue;
        auto d = meet(ray, a, b, c);
        if (!d && f.corner_count == 4) d = meet(ray, a, c, at(f.corners[3]));
        if (d && (!best || *d < best->distance)) best = ScenePick{int(i), -1, *d};
    }
    for (std::size_t i = 0; i < sprites_.size(); ++i) {
        const SceneSprite& s = sprites_[i];
        if (std::size_t(s.room) >= shown.size() || !shown[std::size_t(s.room)]) continue;
        const auto c = sprite_corners(s, facing);
        auto d = meet(ray, c[0], c[1], c[2]);
        if (!d) d = meet(ray, c[0], c[2], c[3]);
        if (d && (!best || *d < best->distance)) best = ScenePick{-1, int(i), *d};
    }
    return best;
}

bool LevelScene::uses_tile(const SceneFace& face, int column, int row) const {
    return !texture_rect(face).intersected(Rect::of_size(column * kTileSide, row * kTileSide, kTileSide, kTileSide)).empty();
}

bool LevelScene::uses_tile(const SceneSprite& sprite, int column, int row) const {
    return !sprite.texture.intersected(Rect::of_size(column * kTileSide, row * kTileSide, kTileSide, kTileSide)).empty();
}

}  // namespace tilesmith
