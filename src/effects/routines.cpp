// The shared pixel routines of the effects and the copying of the effect
// rectangle between the package and its local tile.
#include "effects/routines.h"

#include "effects/frame.h"

namespace tilesmith {

namespace {

using effect::kSide;

// Package coordinates of (x + i, y + j), or false when that lies outside the
// package (including sums beyond the range of int).
bool package_xy(const Package& package, int x, int y, int i, int j, int& px, int& py) {
    const long long lx = (long long)x + i, ly = (long long)y + j;
    if (lx < 0 || ly < 0 || lx >= package.width() || ly >= package.height()) return false;
    px = int(lx);
    py = int(ly);
    return true;
}

bool wholly_inside(const Package& package, int x, int y) {
    return x >= 0 && y >= 0 && (long long)x + kSide <= package.width() &&
           (long long)y + kSide <= package.height();
}

}  // namespace

void mark_transparent(const Package& package, int x, int y, TransparentMap& map) {
    effect::Tile tile;
    effect::load_tile(package, x, y, tile);
    effect::mark_transparent(tile, map);
}

void restore_transparent(Package& package, int x, int y, const TransparentMap& map) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) {
            int px, py;
            if (map[i][j] == 1 && package_xy(package, x, y, i, j, px, py))
                package.set_pixel(px, py, kTransparent);
        }
}

namespace effect {

void load_tile_by_pixel(const Package& package, int x, int y, Tile& tile) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) {
            int px, py;
            tile.px[i][j] = package_xy(package, x, y, i, j, px, py) ? package.pixel(px, py) : kOutside;
        }
}

void store_tile_by_pixel(Package& package, int x, int y, const Tile& tile) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) {
            int px, py;
            if (package_xy(package, x, y, i, j, px, py)) package.set_pixel(px, py, tile.px[i][j]);
        }
}

void load_tile(const Package& package, int x, int y, Tile& tile) {
    if (!wholly_inside(package, x, y)) return load_tile_by_pixel(package, x, y, tile);
    for (int j = 0; j < kSide; ++j) {
        const std::uint8_t* p = package.row(y + j) + 3 * std::size_t(x);
        for (int i = 0; i < kSide; ++i, p += 3) tile.px[i][j] = pack_rgb(p[2], p[1], p[0]);
    }
}

void store_tile(Package& package, int x, int y, const Tile& tile) {
    if (!wholly_inside(package, x, y)) return store_tile_by_pixel(package, x, y, tile);
    for (int j = 0; j < kSide; ++j) {
        std::uint8_t* p = package.row(y + j) + 3 * std::size_t(x);
        for (int i = 0; i < kSide; ++i, p += 3) {
            const PackedColor c = tile.px[i][j];
            p[0] = blue_of(c);
            p[1] = green_of(c);
            p[2] = red_of(c);
        }
    }
}

void mark_transparent(const Tile& tile, TransparentMap& map) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) map[i][j] = tile.px[i][j] == kTransparent ? 1 : 0;
}

void restore_transparent(Tile& tile, const TransparentMap& map) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j)
            if (map[i][j] == 1) tile.px[i][j] = kTransparent;
}

}  // namespace effect
}  // namespace tilesmith
