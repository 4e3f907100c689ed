// The 3D view's camera, its page tracker and its shading language, without OpenGL.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/color.h"
#include "model/level_camera.h"
#include "model/page_tracker.h"
#include "model/rect.h"
#include "model/shader_dialect.h"

using namespace tilesmith;

namespace {

TEST(LevelCamera, FramingABoxShowsEveryCornerAndTheRayThroughTheCentreMeetsItsMiddle) {
    for (const auto& [low, high, aspect] : {std::tuple{Vec3{0, 0, 0}, Vec3{1024, 1024, 1024}, 1.0f},
                                            {Vec3{-8192, -512, 0}, Vec3{8192, 0, 2048}, 0.5f},
                                            {Vec3{100, -3000, -9000}, Vec3{600, 3000, -1000}, 2.5f}}) {
        LevelCamera camera;
        camera.frame(low, high, aspect);
        const Matrix4 m = camera.transform(aspect);
        for (int k = 0; k < 8; ++k) {
            const Vec3 p{k & 1 ? high.x : low.x, k & 2 ? high.y : low.y, k & 4 ? high.z : low.z};
            const auto clip = [&](std::size_t r) { return m[r] * p.x + m[4 + r] * p.y + m[8 + r] * p.z + m[12 + r]; };
            EXPECT_TRUE(std::abs(clip(0)) <= clip(3) && std::abs(clip(1)) <= clip(3)) << k;
        }
        const Ray ray = camera.ray(150 * aspect, 150, int(300 * aspect), 300);
        const Vec3 to_middle = add(camera.target(), ray.origin, -1);
        EXPECT_NEAR(dot(ray.direction, to_middle), std::sqrt(dot(to_middle, to_middle)), 0.5f);
    }
}

TEST(PageTracker, AfterAnEditOnlyThePagesItsRectangleTouchesAreUploadedAgain) {
    Package package(300, 1024, kSilver);
    PageTracker tracker;
    for (const auto& [edit, pages] : {std::pair{Rect{}, std::vector<int>{0, 1, 2, 3}}, {Rect{0, 0, 64, 64}, {0}},
                                      {Rect{296, 250, 300, 260}, {0, 1}}, {Rect{9, 1023, 11, 1024}, {3}}, {Rect{1, 1, 8, 8}, {}}}) {
        package.fill_rect(edit.left, edit.top, edit.width(), edit.height(), pack_rgb(8, 16, 24));
        EXPECT_EQ(tracker.changed_pages(package), pages) << edit.left << ", " << edit.top;
    }
}

TEST(ShaderDialect, TheVersionAndProfileOfTheContextChooseTheShadingLanguage) {
    using D = ShaderDialect;
    const std::tuple<GlContextKind, D, const char*> rows[] = {
        {{3, 3, true, false}, D::glsl330, "OpenGL 3.3 core"}, {{4, 6, false, false}, D::glsl330, "OpenGL 4.6"},
        {{2, 1, false, false}, D::glsl120, "OpenGL 2.1"},     {{3, 2, true, false}, D::none, "OpenGL 3.2 core"},
        {{2, 0, false, false}, D::none, "OpenGL 2.0"},        {{3, 2, false, true}, D::none, "OpenGL ES 3.2"}};
    for (const auto& [context, dialect, name] : rows) {
        EXPECT_EQ(shader_dialect(context), dialect) << name;
        EXPECT_EQ(context_name(context), name);
    }
}

}  // namespace
