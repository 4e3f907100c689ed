// Where each mesh of a moveable stands in its default pose, and where a
// placed thing stands in the level: turns and shifts as 3 x 4 matrices in the
// level's own space (x east, y down, z north). No Qt.
//
// A turn goes about y, then x, then z, as the games turn a mesh: its matrix
// is Ry * Rx * Rz, each the usual right-handed one of its axis, so that a turn
// about y by a quarter takes x (1, 0, 0) to (0, 0, -1), as static meshes and
// items turn in the level.
#pragma once
#include <array>
#include <vector>

#include "formats/level_geometry.h"
#include "model/level_camera.h"

namespace tilesmith {

struct Affine {
    // Rows of the turn, each followed by the shift on that axis.
    std::array<float, 12> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0};

    Vec3 apply(float x, float y, float z) const {
        return {m[0] * x + m[1] * y + m[2] * z + m[3], m[4] * x + m[5] * y + m[6] * z + m[7],
                m[8] * x + m[9] * y + m[10] * z + m[11]};
    }
};

// a then b applied: a * b (b turns first).
Affine operator*(const Affine& a, const Affine& b);
Affine shift(float x, float y, float z);
// A turn in 1/65536 of a whole turn about each axis, as Ry * Rx * Rz.
Affine turn(const MeshTurn& t);
// Standing at (x, y, z), turned about the vertical by rotation / 65536 of a whole turn.
Affine placed_at(float x, float y, float z, std::uint16_t rotation);

// Each mesh's matrix in the moveable's default pose, about the moveable's
// origin: the first mesh at the pose's offset, each next one hanging from
// its parent at its tree node's offset, every one turned by its own turn.
std::vector<Affine> default_pose(const MoveableDef& moveable);

}  // namespace tilesmith
