// The 3D view's shading language for the context it was given, without OpenGL.
#include <gtest/gtest.h>

#include <tuple>

#include "model/shader_dialect.h"

using namespace tilesmith;

namespace {

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
