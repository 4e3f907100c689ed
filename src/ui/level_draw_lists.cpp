// The vertices of the 3D view: faces sorted into batches, sprites turned to the camera.
#include "ui/level_draw_lists.h"

#include <algorithm>
#include <tuple>

#include "core/dimensions.h"

namespace tilesmith {

namespace {

DrawVertex vertex_at(const Vec3& level, float u, float v, int page, const std::array<std::uint8_t, 3>& light) {
    const Vec3 p = to_view(level);
    return {{p.x, p.y, p.z}, {u / kPageSide, (v - float(page * kPageSide)) / kPageSide}, {light[0], light[1], light[2], 255}};
}

}  // namespace

FaceList face_list(const LevelScene& scene, const std::vector<bool>& shown, FacesOf which, long long step) {
    FaceList out;
    const auto shown_face = [&](int i) {
        const SceneFace& f = scene.faces()[std::size_t(i)];
        return which == FacesOf::stepping ? scene.at_step(f, step) : f;
    };
    // Each face's batch, then its index: a stable order of batches.
    std::vector<std::tuple<bool, int, bool, int>> keys;
    for (std::size_t i = 0; i < scene.faces().size(); ++i) {
        const SceneFace& f = scene.faces()[i];
        if (std::size_t(f.room) >= shown.size() || !shown[std::size_t(f.room)]) continue;
        if (which != FacesOf::all && scene.animated(f) != (which == FacesOf::stepping)) continue;
        const int page = which == FacesOf::stepping ? scene.at_step(f, step).page : f.page;
        keys.emplace_back(f.blend == FaceBlend::additive, page, f.double_sided, int(i));
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> order;
    order.reserve(keys.size());
    for (const auto& k : keys) order.push_back(std::get<3>(k));
    for (const int i : order) {
        const SceneFace f = shown_face(i);
        const FaceBlend blend = f.blend == FaceBlend::additive ? FaceBlend::additive : FaceBlend::opaque;
        auto& batches = out.batches;
        if (batches.empty() || batches.back().page != f.page || batches.back().blend != blend ||
            batches.back().double_sided != f.double_sided)
            batches.push_back({f.page, blend, f.double_sided, int(out.vertices.size()), 0});
        constexpr int kTriangles[2][3] = {{0, 1, 2}, {0, 2, 3}};
        for (int t = 0; t < (f.corner_count == 4 ? 2 : 1); ++t)
            for (const int k : kTriangles[t]) {
                const SceneCorner& c = f.corners[std::size_t(k)];
                out.vertices.push_back(vertex_at({c.x, c.y, c.z}, c.u, c.v, f.page, c.light));
                out.faces.push_back(i);
                ++batches.back().count;
            }
    }
    return out;
}

std::vector<float> face_tint(const LevelScene& scene, const std::vector<int>& faces,
                             std::optional<std::pair<int, int>> tile) {
    std::vector<float> tint(faces.size(), 0.0f);
    if (!tile) return tint;
    for (std::size_t v = 0; v < tint.size(); ++v)
        tint[v] = scene.uses_tile(scene.faces()[std::size_t(faces[v])], tile->first, tile->second) ? 1.0f : 0.0f;
    return tint;
}

SpriteList sprite_list(const LevelScene& scene, const std::vector<bool>& shown, const SpriteFacing& facing,
                       std::optional<std::pair<int, int>> tile) {
    SpriteList out;
    std::vector<int> order;
    for (std::size_t i = 0; i < scene.sprites().size(); ++i) {
        const SceneSprite& s = scene.sprites()[i];
        if (std::size_t(s.room) < shown.size() && shown[std::size_t(s.room)]) order.push_back(int(i));
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return scene.sprites()[std::size_t(a)].page < scene.sprites()[std::size_t(b)].page; });
    for (const int i : order) {
        const SceneSprite& s = scene.sprites()[std::size_t(i)];
        if (out.batches.empty() || out.batches.back().page != s.page)
            out.batches.push_back({s.page, FaceBlend::cut_out, true, int(out.vertices.size()), 0});
        const auto corners = LevelScene::sprite_corners(s, facing);
        const float u[4] = {float(s.texture.left), float(s.texture.right), float(s.texture.right), float(s.texture.left)};
        const float v[4] = {float(s.texture.top), float(s.texture.top), float(s.texture.bottom), float(s.texture.bottom)};
        const float tinted = tile && scene.uses_tile(s, tile->first, tile->second) ? 1.0f : 0.0f;
        for (const int k : {0, 1, 2, 0, 2, 3}) {
            out.vertices.push_back(vertex_at(corners[std::size_t(k)], u[k], v[k], s.page, s.light));
            out.tint.push_back(tinted);
        }
        out.batches.back().count += 6;
    }
    return out;
}

}  // namespace tilesmith
