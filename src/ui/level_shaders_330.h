// The 3D view's program in GLSL 3.30, for OpenGL 3.3 and later, core or not:
// the texture's transparent colour cut out, the room's light, the tint of the
// tile pointed at. level_shaders_120.h says the same for older contexts.
#pragma once

namespace tilesmith::glsl330 {

constexpr const char* kVertexShader = R"(#version 330 core
in vec3 position;
in vec2 uv;
in vec4 light;
in float tint;
uniform mat4 transform;
uniform float lighting;
out vec2 v_uv;
out vec3 v_light;
out float v_tint;
void main() {
    gl_Position = transform * vec4(position, 1.0);
    v_uv = uv;
    v_light = mix(vec3(1.0), light.rgb * (255.0 / 128.0), lighting);
    v_tint = tint;
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
uniform sampler2D page;
in vec2 v_uv;
in vec3 v_light;
in float v_tint;
out vec4 colour;
void main() {
    vec4 texel = texture(page, v_uv);
    if (texel.a < 0.5) discard;
    vec3 rgb = texel.rgb * v_light;
    if (v_tint > 0.5) rgb = mix(rgb, vec3(1.0, 0.8, 0.0), 0.55);
    colour = vec4(rgb, 1.0);
}
)";

}  // namespace tilesmith::glsl330
