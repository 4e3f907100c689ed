// The shading language for a context's version and profile.
#include "model/shader_dialect.h"

#include <tuple>

namespace tilesmith {

ShaderDialect shader_dialect(const GlContextKind& context) {
    if (context.es) return ShaderDialect::none;
    const auto version = std::tuple(context.major, context.minor);
    if (version >= std::tuple(3, 3)) return ShaderDialect::glsl330;
    // A core profile before 3.3 takes neither: GLSL 1.20 went with the compatibility calls.
    if (version >= std::tuple(2, 1) && !context.core) return ShaderDialect::glsl120;
    return ShaderDialect::none;
}

std::string context_name(const GlContextKind& context) {
    std::string name = context.es ? "OpenGL ES " : "OpenGL ";
    name += std::to_string(context.major) + "." + std::to_string(context.minor);
    if (context.core && !context.es) name += " core";
    return name;
}

}  // namespace tilesmith
