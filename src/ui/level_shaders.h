// The 3D view's program, written once: the texture's transparent colour cut
// out, the room's light, the tint of the tile pointed at. A prelude per
// dialect names the words that differ: GLSL 3.30 for OpenGL 3.3 and later,
// core or not, and GLSL 1.20 for OpenGL 2.1 up to 3.2 outside a core profile.
#pragma once
#include <QByteArray>

namespace tilesmith::level_shaders {

constexpr const char* kVertex330 = "#version 330 core\n#define ATTRIBUTE in\n#define VARYING out\n";
constexpr const char* kVertex120 = "#version 120\n#define ATTRIBUTE attribute\n#define VARYING varying\n";
constexpr const char* kFragment330 =
    "#version 330 core\n#define VARYING in\n#define TEXTURE texture\nout vec4 colour;\n#define FRAG_COLOUR colour\n";
constexpr const char* kFragment120 =
    "#version 120\n#define VARYING varying\n#define TEXTURE texture2D\n#define FRAG_COLOUR gl_FragColor\n";

constexpr const char* kVertexBody = R"(ATTRIBUTE vec3 position;
ATTRIBUTE vec2 uv;
ATTRIBUTE vec4 light;
ATTRIBUTE float tint;
uniform mat4 transform;
uniform float lighting;
VARYING vec2 v_uv;
VARYING vec3 v_light;
VARYING float v_tint;
void main() {
    gl_Position = transform * vec4(position, 1.0);
    v_uv = uv;
    v_light = mix(vec3(1.0), light.rgb * (255.0 / 128.0), lighting);
    v_tint = tint;
}
)";

constexpr const char* kFragmentBody = R"(uniform sampler2D page;
VARYING vec2 v_uv;
VARYING vec3 v_light;
VARYING float v_tint;
void main() {
    vec4 texel = TEXTURE(page, v_uv);
    if (texel.a < 0.5) discard;
    vec3 rgb = texel.rgb * v_light;
    if (v_tint > 0.5) rgb = mix(rgb, vec3(1.0, 0.8, 0.0), 0.55);
    FRAG_COLOUR = vec4(rgb, 1.0);
}
)";

// The vertex and fragment sources in GLSL 3.30 (`modern`) or 1.20.
inline QByteArray vertex_source(bool modern) { return QByteArray(modern ? kVertex330 : kVertex120) + kVertexBody; }
inline QByteArray fragment_source(bool modern) {
    return QByteArray(modern ? kFragment330 : kFragment120) + kFragmentBody;
}

}  // namespace tilesmith::level_shaders
