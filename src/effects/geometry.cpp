// Geometry and drawing effects: rotate90 and flip move pixels within the
// rectangle, diaphragm and button3d paint fixed patterns onto it.
#include <cstdint>

#include "effects/routines.h"
#include "effects/frame.h"

namespace tilesmith {

using effect::kSide;
using effect::Map;
using effect::Tile;

namespace {

constexpr PackedColor kButtonLight = pack_rgb(255, 255, 255);
constexpr PackedColor kButtonDark = pack_rgb(132, 130, 132);

// Positions outside the package read as kOutside; carried into the package
// they arrive as white, never with bits 24-31 set.
void take_snapshot(const Tile& t, Tile& snap) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) snap.px[i][j] = effect::opaque(t.px[i][j]);
}

}  // namespace

void rotate90(Package& package, int x, int y, Progress& progress) {
    effect::run_effect(package, x, y, 2, Map::kUnused, progress, [](Tile& t, Progress& p) {
        Tile snap;
        take_snapshot(t, snap);
        p.step();
        // Counter-clockwise as seen on the screen.
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j) t.px[i][j] = snap.px[kSide - 1 - j][i];
        p.step();
    });
}

void flip(Package& package, int x, int y, std::uint8_t mode, Progress& progress) {
    effect::run_effect(package, x, y, 2, Map::kUnused, progress, [mode](Tile& t, Progress& p) {
        Tile snap;
        take_snapshot(t, snap);
        p.step();
        if (mode == 0) {
            for (int i = 0; i < kSide; ++i)
                for (int j = 0; j < kSide; ++j) t.px[i][j] = snap.px[kSide - 1 - i][j];
        } else if (mode == 1) {
            for (int i = 0; i < kSide; ++i)
                for (int j = 0; j < kSide; ++j) t.px[i][j] = snap.px[i][kSide - 1 - j];
        }
        p.step();
    });
}

void diaphragm(Package& package, int x, int y, std::uint8_t mode, PackedColor colour,
               Progress& progress) {
    const PackedColor c = effect::opaque(colour);
    effect::run_effect(package, x, y, 1, Map::kUsed, progress, [mode, c](Tile& t, Progress& p) {
        if (mode == 0) {
            for (int k = 0; k < kSide / 2; ++k)
                for (int i = 0; i < kSide; ++i) t.px[i][2 * k] = c;
        } else if (mode == 1) {
            for (int j = 0; j < kSide; ++j)
                for (int k = 0; k < kSide / 2; ++k) t.px[2 * k][j] = c;
        }
        p.step();
    });
}

void button3d(Package& package, int x, int y, std::uint8_t mode, Progress& progress) {
    effect::run_effect(package, x, y, 1, Map::kUnused, progress, [mode](Tile& t, Progress& p) {
        constexpr int last = kSide - 1;
        if (mode == 0) {  // convex: light top and left, dark right and bottom
            for (int i = 0; i < last; ++i) t.px[i][0] = kButtonLight;
            for (int j = 0; j < last; ++j) t.px[0][j] = kButtonLight;
            for (int j = 0; j <= last; ++j) t.px[last][j] = kButtonDark;
            for (int i = 0; i <= last; ++i) t.px[i][last] = kButtonDark;
        } else if (mode == 1) {  // concave: dark top and left, light right and bottom
            for (int j = 1; j <= last; ++j) t.px[last][j] = kButtonLight;
            for (int i = 1; i <= last; ++i) t.px[i][last] = kButtonLight;
            for (int i = 0; i <= last; ++i) t.px[i][0] = kButtonDark;
            for (int j = 0; j <= last; ++j) t.px[0][j] = kButtonDark;
        }
        p.step();
    });
}

}  // namespace tilesmith
