// The camera of the 3D view of a level, as level viewers move it: orbit about
// a point, pan, zoom, fly, frame the level or a room; and the ray through a
// point of the view for picking. No Qt, no OpenGL: the view turns view() and
// projection() into its matrices.
//
// The camera works in the view's space: x east, y up, z south, the level's
// (x, y, z) seen as (x, -y, -z) (a half turn about x, so nothing is mirrored).
// to_view and to_level turn points between the two.
#pragma once
#include <array>

namespace tilesmith {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

inline Vec3 to_view(const Vec3& level) { return {level.x, -level.y, -level.z}; }
inline Vec3 to_level(const Vec3& view) { return {view.x, -view.y, -view.z}; }

// a + s b
inline Vec3 add(const Vec3& a, const Vec3& b, float s = 1) { return {a.x + s * b.x, a.y + s * b.y, a.z + s * b.z}; }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct Ray {
    Vec3 origin, direction;  // direction of length 1
};

// Column-major, as OpenGL takes them.
using Matrix4 = std::array<float, 16>;

class LevelCamera {
public:
    // Looks at the middle of the box (view space) from far enough to see it whole.
    // `aspect`: the picture's width over its height, so that a narrow view sees it whole too.
    void frame(const Vec3& low, const Vec3& high, float aspect = 1);
    // Left button: turns about the point looked at, by pixels of the view.
    void orbit(float dx, float dy);
    // Right button: turns about the eye, which stays where it is.
    void look(float dx, float dy);
    // Middle button: the point looked at follows the pointer across a view `height` pixels tall.
    void pan(float dx, float dy, int height);
    // Wheel notches (+ nearer).
    void zoom(float notches);
    // Moves eye and point together: forward along the view, right, and up.
    void fly(float forward, float right, float up);

    Vec3 eye() const;
    // The picture's right and up, in view space, each of length 1.
    Vec3 right() const;
    Vec3 up() const;
    const Vec3& target() const { return target_; }
    float distance() const { return distance_; }
    // How far a fly step goes: a share of the scene's size.
    float step() const { return step_; }

    Matrix4 view() const;
    Matrix4 projection(float aspect) const;
    // projection(aspect) times view(): level view space to the picture.
    Matrix4 transform(float aspect) const;
    // The ray from the eye through pixel (sx, sy) of a width x height view, in view space.
    Ray ray(float sx, float sy, int width, int height) const;

private:
    Vec3 forward() const;
    Vec3 target_{};
    float yaw_ = 0.6f, pitch_ = -0.5f;  // radians
    float distance_ = 4096, step_ = 256, depth_ = 65536;
};

}  // namespace tilesmith
