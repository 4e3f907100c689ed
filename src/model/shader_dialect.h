// Which shading language the 3D view speaks in the OpenGL context it was
// given: GLSL 3.30 where the context is OpenGL 3.3 or later (core or not),
// GLSL 1.20 in an older context that is not a core one (2.1 up to 3.2), and
// none in OpenGL ES or anything older, where the view says why it cannot
// draw. No Qt, no OpenGL: the view fills in what its context reports.
#pragma once
#include <string>

namespace tilesmith {

struct GlContextKind {
    int major = 0, minor = 0;
    bool core = false;  // a core profile, without the calls deprecated in 3.0
    bool es = false;    // OpenGL ES
};

enum class ShaderDialect { glsl330, glsl120, none };

ShaderDialect shader_dialect(const GlContextKind& context);
// The context as a user reads it: "OpenGL 2.0", "OpenGL 3.2 core", "OpenGL ES 3.0".
std::string context_name(const GlContextKind& context);

}  // namespace tilesmith
