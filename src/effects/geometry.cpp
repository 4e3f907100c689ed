// Geometry and drawing effects: rotate90 and flip move pixels within the
// area, diaphragm and button3d paint fixed patterns onto it.
#include <cstdint>

#include "effects/routines.h"
#include "effects/frame.h"

namespace tilesmith {

using effect::Map;
using effect::Picture;

namespace {

constexpr PackedColor kButtonLight = pack_rgb(255, 255, 255);
constexpr PackedColor kButtonDark = pack_rgb(132, 130, 132);

// Positions outside the package read as kOutside; carried into the package
// they arrive as white, never with bits 24-31 set.
Picture take_snapshot(const Picture& t) {
    Picture snap(t.width, t.height);
    for (std::size_t k = 0; k < t.px.size(); ++k) snap.px[k] = effect::opaque(t.px[k]);
    return snap;
}

}  // namespace

void rotate90(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 2, Map::kUnused, progress, [](Picture& t, Progress& p) {
        const Picture snap = take_snapshot(t);
        p.step();
        // Counter-clockwise as seen on the screen. Only a square turns in its place.
        const int n = t.width;
        if (t.height == n)
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) t.at(i, j) = snap.at(n - 1 - j, i);
        p.step();
    });
}

void flip(Package& package, const EffectArea& area, std::uint8_t mode, Progress& progress) {
    effect::run_effect(package, area, 2, Map::kUnused, progress, [mode](Picture& t, Progress& p) {
        const Picture snap = take_snapshot(t);
        p.step();
        const int w = t.width, h = t.height;
        if (mode == 0) {
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) t.at(i, j) = snap.at(w - 1 - i, j);
        } else if (mode == 1) {
            for (int j = 0; j < h; ++j)
                for (int i = 0; i < w; ++i) t.at(i, j) = snap.at(i, h - 1 - j);
        }
        p.step();
    });
}

void diaphragm(Package& package, const EffectArea& area, std::uint8_t mode, PackedColor colour,
               Progress& progress) {
    const PackedColor c = effect::opaque(colour);
    effect::run_effect(package, area, 1, Map::kUsed, progress, [mode, c](Picture& t, Progress& p) {
        // Every second row or column from the area's first, straight across it.
        if (mode == 0) {
            for (int j = 0; j < t.height; j += 2)
                for (int i = 0; i < t.width; ++i) t.at(i, j) = c;
        } else if (mode == 1) {
            for (int j = 0; j < t.height; ++j)
                for (int i = 0; i < t.width; i += 2) t.at(i, j) = c;
        }
        p.step();
    });
}

void button3d(Package& package, const EffectArea& area, std::uint8_t mode, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUnused, progress, [mode](Picture& t, Progress& p) {
        // The frame runs round the whole area.
        const int last_i = t.width - 1, last_j = t.height - 1;
        if (mode == 0) {  // convex: light top and left, dark right and bottom
            for (int i = 0; i < last_i; ++i) t.at(i, 0) = kButtonLight;
            for (int j = 0; j < last_j; ++j) t.at(0, j) = kButtonLight;
            for (int j = 0; j <= last_j; ++j) t.at(last_i, j) = kButtonDark;
            for (int i = 0; i <= last_i; ++i) t.at(i, last_j) = kButtonDark;
        } else if (mode == 1) {  // concave: dark top and left, light right and bottom
            for (int j = 1; j <= last_j; ++j) t.at(last_i, j) = kButtonLight;
            for (int i = 1; i <= last_i; ++i) t.at(i, last_j) = kButtonLight;
            for (int i = 0; i <= last_i; ++i) t.at(i, 0) = kButtonDark;
            for (int j = 0; j <= last_j; ++j) t.at(0, j) = kButtonDark;
        }
        p.step();
    });
}

}  // namespace tilesmith
