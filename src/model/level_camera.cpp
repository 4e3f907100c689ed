// The camera of the 3D view: angles, distance and the matrices made of them.
#include "model/level_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tilesmith {

namespace {

constexpr float kFieldOfView = 60.0f * std::numbers::pi_v<float> / 180.0f;
constexpr float kRadiansPerPixel = 0.008f;
constexpr float kMostPitch = 1.55f;
constexpr float kNearest = 16.0f;

Vec3 unit(const Vec3& a) {
    const float n = std::sqrt(dot(a, a));
    return n > 0 ? Vec3{a.x / n, a.y / n, a.z / n} : Vec3{0, 0, -1};
}

}  // namespace

Vec3 LevelCamera::forward() const {
    return {std::cos(pitch_) * std::sin(yaw_), std::sin(pitch_), -std::cos(pitch_) * std::cos(yaw_)};
}

Vec3 LevelCamera::eye() const { return add(target_, forward(), -distance_); }

Vec3 LevelCamera::right() const { return unit(cross(forward(), {0, 1, 0})); }

Vec3 LevelCamera::up() const { return cross(right(), forward()); }

void LevelCamera::frame(const Vec3& low, const Vec3& high, float aspect) {
    target_ = {(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    const float radius = std::max(std::sqrt(dot(add(high, low, -1), add(high, low, -1))) / 2, 512.0f);
    // The narrower of the two angles the picture spans.
    const float half_width = std::atan(std::tan(kFieldOfView / 2) * std::clamp(aspect, 0.1f, 10.0f));
    distance_ = radius / std::sin(std::min(kFieldOfView / 2, half_width));
    step_ = std::clamp(radius / 16, 32.0f, 1024.0f);
    depth_ = 4 * (distance_ + radius);
}

void LevelCamera::orbit(float dx, float dy) {
    yaw_ += dx * kRadiansPerPixel;
    pitch_ = std::clamp(pitch_ - dy * kRadiansPerPixel, -kMostPitch, kMostPitch);
}

void LevelCamera::look(float dx, float dy) {
    const Vec3 from = eye();
    orbit(dx, dy);
    target_ = add(from, forward(), distance_);
}

void LevelCamera::pan(float dx, float dy, int height) {
    const float per_pixel = 2 * distance_ * std::tan(kFieldOfView / 2) / float(std::max(height, 1));
    const Vec3 right = unit(cross(forward(), {0, 1, 0}));
    const Vec3 up = cross(right, forward());
    target_ = add(add(target_, right, -dx * per_pixel), up, dy * per_pixel);
}

void LevelCamera::zoom(float notches) {
    distance_ = std::clamp(distance_ * std::pow(0.85f, notches), kNearest * 4, depth_);
}

void LevelCamera::fly(float forward_by, float right_by, float up_by) {
    const Vec3 right = unit(cross(forward(), {0, 1, 0}));
    target_ = add(add(add(target_, forward(), forward_by), right, right_by), Vec3{0, 1, 0}, up_by);
}

Matrix4 LevelCamera::view() const {
    const Vec3 f = forward(), e = eye();
    const Vec3 s = unit(cross(f, {0, 1, 0}));
    const Vec3 u = cross(s, f);
    return {s.x, u.x, -f.x, 0, s.y, u.y, -f.y, 0, s.z, u.z, -f.z, 0, -dot(s, e), -dot(u, e), dot(f, e), 1};
}

Matrix4 LevelCamera::projection(float aspect) const {
    const float t = 1 / std::tan(kFieldOfView / 2), n = kNearest, f = std::max(depth_, distance_ * 2);
    return {t / aspect, 0, 0, 0, 0, t, 0, 0, 0, 0, (f + n) / (n - f), -1, 0, 0, 2 * f * n / (n - f), 0};
}

Matrix4 LevelCamera::transform(float aspect) const {
    const Matrix4 a = projection(aspect), b = view();
    Matrix4 m{};
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t r = 0; r < 4; ++r)
            for (std::size_t k = 0; k < 4; ++k) m[c * 4 + r] += a[k * 4 + r] * b[c * 4 + k];
    return m;
}

Ray LevelCamera::ray(float sx, float sy, int width, int height) const {
    const float h = float(std::max(height, 1)), w = float(std::max(width, 1));
    const float t = std::tan(kFieldOfView / 2);
    const float x = (2 * sx / w - 1) * t * (w / h), y = (1 - 2 * sy / h) * t;
    const Vec3 f = forward();
    const Vec3 s = unit(cross(f, {0, 1, 0}));
    const Vec3 u = cross(s, f);
    return {eye(), unit(add(add(f, s, x), u, y))};
}

}  // namespace tilesmith
