// The default pose of a moveable: its mesh tree walked with a stack of parents.
#include "model/level_pose.h"

#include <cmath>
#include <numbers>

namespace tilesmith {

namespace {

constexpr double kRadiansPerUnit = 2 * std::numbers::pi / 65536.0;

// The usual right-handed turn about one axis (0 x, 1 y, 2 z).
Affine about(int axis, std::uint16_t units) {
    const double a = units * kRadiansPerUnit;
    const float c = float(std::cos(a)), s = float(std::sin(a));
    Affine r;
    switch (axis) {
        case 0: r.m = {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0}; break;
        case 1: r.m = {c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0}; break;
        default: r.m = {c, -s, 0, 0, s, c, 0, 0, 0, 0, 1, 0}; break;
    }
    return r;
}

}  // namespace

Affine operator*(const Affine& a, const Affine& b) {
    Affine r;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = col == 3 ? a.m[std::size_t(row * 4 + 3)] : 0.0f;
            for (int k = 0; k < 3; ++k) sum += a.m[std::size_t(row * 4 + k)] * b.m[std::size_t(k * 4 + col)];
            r.m[std::size_t(row * 4 + col)] = sum;
        }
    return r;
}

Affine shift(float x, float y, float z) {
    Affine r;
    r.m[3] = x, r.m[7] = y, r.m[11] = z;
    return r;
}

Affine turn(const MeshTurn& t) { return about(1, t.y) * about(0, t.x) * about(2, t.z); }

Affine placed_at(float x, float y, float z, std::uint16_t rotation) { return shift(x, y, z) * about(1, rotation); }

std::vector<Affine> default_pose(const MoveableDef& moveable) {
    std::vector<Affine> out;
    out.reserve(moveable.meshes.size());
    std::vector<Affine> pushed;
    const auto turn_of = [&](std::size_t k) { return k < moveable.turns.size() ? turn(moveable.turns[k]) : Affine{}; };
    for (std::size_t k = 0; k < moveable.meshes.size(); ++k) {
        if (k == 0) {
            out.push_back(shift(moveable.offset_x, moveable.offset_y, moveable.offset_z) * turn_of(0));
            continue;
        }
        Affine parent = out.back();
        const MeshTreeNode node = k - 1 < moveable.tree.size() ? moveable.tree[k - 1] : MeshTreeNode{};
        if ((node.flags & 1) && !pushed.empty()) {
            parent = pushed.back();
            pushed.pop_back();
        }
        if (node.flags & 2) pushed.push_back(parent);
        out.push_back(parent * shift(float(node.x), float(node.y), float(node.z)) * turn_of(k));
    }
    return out;
}

}  // namespace tilesmith
