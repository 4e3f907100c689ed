// The items placed in a level as faces and sprites, sprites facing the
// camera, and animated textures stepping through their ranges.
#include "model/level_scene.h"

#include "core/dimensions.h"

namespace tilesmith {

void LevelScene::add_items(const LevelGeometry& geometry) {
    for (std::size_t i = 0; i < geometry.items.size(); ++i) {
        const PlacedItem& item = geometry.items[i];
        if (item.room < 0 || std::size_t(item.room) >= rooms_.size()) {
            ++left_out_;
            continue;
        }
        const Affine place = placed_at(float(item.x), float(item.y), float(item.z), item.rotation);
        if (const MoveableDef* moveable = geometry.moveable(item.type)) {
            // Its own tree and pose; the meshes it is dressed in where it has them.
            const std::vector<Affine> pose = default_pose(*moveable);
            SceneFace face;
            face.room = item.room;
            face.item = int(i);
            face.object = int(moveable->id);
            for (std::size_t k = 0; k < pose.size(); ++k) {
                const int m = geometry.drawn_mesh(*moveable, k);
                if (m < 0 || std::size_t(m) >= geometry.meshes.size()) continue;
                const MeshGeometry& mesh = geometry.meshes[std::size_t(m)];
                const Affine at = place * pose[k];
                face.mesh = int(k);
                face.mesh_face = 0;
                for (const GeometryFace& f : mesh.faces) {
                    add_face(f, mesh.vertices, geometry, face, &item.light, &at);
                    ++face.face;
                    ++face.mesh_face;
                }
            }
        } else if (const SpriteSequence* sequence = geometry.sprite_sequence(item.type); sequence && sequence->count > 0) {
            SceneSprite sprite;
            sprite.room = item.room;
            sprite.item = int(i);
            sprite.light = item.light;
            add_sprite(geometry, sequence->first, {float(item.x), float(item.y), float(item.z)}, sprite);
        }
    }
}

void LevelScene::add_sprite(const LevelGeometry& geometry, int texture, const Vec3& at, SceneSprite sprite) {
    const auto& refs = geometry.textures.sprites;
    if (texture < 0 || std::size_t(texture) >= refs.size() || refs[std::size_t(texture)].page < 0 ||
        refs[std::size_t(texture)].page >= pages_) {
        ++left_out_;
        return;
    }
    const SpriteTextureRef& t = refs[std::size_t(texture)];
    sprite.x = at.x, sprite.y = at.y, sprite.z = at.z;
    sprite.left = float(t.left), sprite.top = float(t.top), sprite.right = float(t.right), sprite.bottom = float(t.bottom);
    sprite.page = t.page;
    sprite.sprite_texture = texture;
    const Rect page{0, t.page * kPageSide, kPageSide, (t.page + 1) * kPageSide};
    sprite.texture = Rect::of_size(t.x, t.page * kPageSide + t.y, t.width, t.height).intersected(page);
    sprites_.push_back(sprite);
}

std::array<Vec3, 4> LevelScene::sprite_corners(const SceneSprite& s, const SpriteFacing& facing) {
    const Vec3 at{s.x, s.y, s.z};
    const auto corner = [&](float x, float y) { return add(add(at, facing.right, x), facing.down, y); };
    return {corner(s.left, s.top), corner(s.right, s.top), corner(s.right, s.bottom), corner(s.left, s.bottom)};
}

void LevelScene::keep_ranges(const LevelGeometry& geometry) {
    objects_ = geometry.textures.objects;
    range_of_.assign(objects_.size(), {-1, -1});
    for (const AnimatedRange& range : geometry.animated) {
        std::vector<std::uint16_t> kept;
        for (const std::uint16_t t : range.textures)
            if (t < objects_.size() && range_of_[t].first < 0 && objects_[t].page >= 0 && objects_[t].page < pages_) {
                range_of_[t] = {int(ranges_.size()), int(kept.size())};
                kept.push_back(t);
            }
        if (kept.size() > 1) ranges_.push_back(std::move(kept));
        else if (!kept.empty()) range_of_[kept[0]] = {-1, -1};
    }
}

int LevelScene::texture_at_step(int texture, long long step) const {
    if (texture < 0 || std::size_t(texture) >= range_of_.size() || range_of_[std::size_t(texture)].first < 0)
        return texture;
    const auto [range, place] = range_of_[std::size_t(texture)];
    const auto& textures = ranges_[std::size_t(range)];
    const long long n = (long long)textures.size();
    return textures[std::size_t(((place + step) % n + n) % n)];
}

bool LevelScene::animated(const SceneFace& face) const {
    return std::size_t(face.object_texture) < range_of_.size() && range_of_[std::size_t(face.object_texture)].first >= 0;
}

SceneFace LevelScene::at_step(const SceneFace& face, long long step) const {
    const int texture = texture_at_step(face.object_texture, step);
    if (texture == face.object_texture) return face;
    SceneFace out = face;
    const ObjectTextureRef& t = objects_[std::size_t(texture)];
    out.object_texture = texture;
    out.page = t.page;
    for (int k = 0; k < out.corner_count; ++k) {
        const PageCorner& uv = t.corners[std::size_t(k)];
        out.corners[std::size_t(k)].u = float(uv.x);
        out.corners[std::size_t(k)].v = float(t.page * kPageSide + uv.y);
    }
    return out;
}

}  // namespace tilesmith
