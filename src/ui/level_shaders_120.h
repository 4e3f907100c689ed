// The 3D view's program in GLSL 1.20, for OpenGL 2.1 up to 3.2 outside a core
// profile: the same as level_shaders_330.h in the older words.
#pragma once

namespace tilesmith::glsl120 {

constexpr const char* kVertexShader = R"(#version 120
attribute vec3 position;
attribute vec2 uv;
attribute vec4 light;
attribute float tint;
uniform mat4 transform;
uniform float lighting;
varying vec2 v_uv;
varying vec3 v_light;
varying float v_tint;
void main() {
    gl_Position = transform * vec4(position, 1.0);
    v_uv = uv;
    v_light = mix(vec3(1.0), light.rgb * (255.0 / 128.0), lighting);
    v_tint = tint;
}
)";

constexpr const char* kFragmentShader = R"(#version 120
uniform sampler2D page;
varying vec2 v_uv;
varying vec3 v_light;
varying float v_tint;
void main() {
    vec4 texel = texture2D(page, v_uv);
    if (texel.a < 0.5) discard;
    vec3 rgb = texel.rgb * v_light;
    if (v_tint > 0.5) rgb = mix(rgb, vec3(1.0, 0.8, 0.0), 0.55);
    gl_FragColor = vec4(rgb, 1.0);
}
)";

}  // namespace tilesmith::glsl120
