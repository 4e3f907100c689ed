// The shared pixel routines of the effects and the copying of the effect
// area between the package and its picture.
#include "effects/routines.h"

#include "effects/frame.h"

namespace tilesmith {

namespace {

// Package coordinates of (x + i, y + j), or false when that lies outside the
// package (including sums beyond the range of int).
bool package_xy(const Package& package, int x, int y, int i, int j, int& px, int& py) {
    const long long lx = (long long)x + i, ly = (long long)y + j;
    if (lx < 0 || ly < 0 || lx >= package.width() || ly >= package.height()) return false;
    px = int(lx);
    py = int(ly);
    return true;
}

bool wholly_inside(const Package& package, const EffectArea& a) {
    return a.x >= 0 && a.y >= 0 && (long long)a.x + a.width <= package.width() &&
           (long long)a.y + a.height <= package.height();
}

bool has_pixels(const EffectArea& a) { return a.width > 0 && a.height > 0; }

}  // namespace

void mark_transparent(const Package& package, int x, int y, TransparentMap& map) {
    for (int i = 0; i < kTileSide; ++i)
        for (int j = 0; j < kTileSide; ++j) {
            int px, py;
            map[i][j] = package_xy(package, x, y, i, j, px, py) && package.pixel(px, py) == kTransparent ? 1 : 0;
        }
}

void restore_transparent(Package& package, int x, int y, const TransparentMap& map) {
    for (int i = 0; i < kTileSide; ++i)
        for (int j = 0; j < kTileSide; ++j) {
            int px, py;
            if (map[i][j] == 1 && package_xy(package, x, y, i, j, px, py))
                package.set_pixel(px, py, kTransparent);
        }
}

namespace effect {

void load_picture_by_pixel(const Package& package, const EffectArea& a, Picture& picture) {
    picture = has_pixels(a) ? Picture(a.width, a.height) : Picture();
    for (int j = 0; j < picture.height; ++j)
        for (int i = 0; i < picture.width; ++i) {
            int px, py;
            picture.at(i, j) = package_xy(package, a.x, a.y, i, j, px, py) ? package.pixel(px, py) : kOutside;
        }
}

void store_picture_by_pixel(Package& package, const EffectArea& a, const Picture& picture) {
    for (int j = 0; j < picture.height; ++j)
        for (int i = 0; i < picture.width; ++i) {
            int px, py;
            if (package_xy(package, a.x, a.y, i, j, px, py)) package.set_pixel(px, py, picture.at(i, j));
        }
}

void load_picture(const Package& package, const EffectArea& a, Picture& picture) {
    if (!has_pixels(a) || !wholly_inside(package, a)) return load_picture_by_pixel(package, a, picture);
    picture = Picture(a.width, a.height);
    PackedColor* out = picture.px.data();
    for (int j = 0; j < a.height; ++j) {
        const std::uint8_t* p = package.row(a.y + j) + 3 * std::size_t(a.x);
        for (int i = 0; i < a.width; ++i, p += 3) *out++ = pack_rgb(p[2], p[1], p[0]);
    }
}

void store_picture(Package& package, const EffectArea& a, const Picture& picture) {
    if (!wholly_inside(package, a) || picture.width != a.width || picture.height != a.height)
        return store_picture_by_pixel(package, a, picture);
    const PackedColor* in = picture.px.data();
    for (int j = 0; j < a.height; ++j) {
        std::uint8_t* p = package.row(a.y + j) + 3 * std::size_t(a.x);
        for (int i = 0; i < a.width; ++i, p += 3) {
            const PackedColor c = *in++;
            p[0] = blue_of(c);
            p[1] = green_of(c);
            p[2] = red_of(c);
        }
    }
}

void mark_transparent(const Picture& picture, Marks& marks) {
    marks.resize(picture.px.size());
    for (std::size_t k = 0; k < picture.px.size(); ++k) marks[k] = picture.px[k] == kTransparent ? 1 : 0;
}

void restore_transparent(Picture& picture, const Marks& marks) {
    for (std::size_t k = 0; k < picture.px.size() && k < marks.size(); ++k)
        if (marks[k] == 1) picture.px[k] = kTransparent;
}

}  // namespace effect
}  // namespace tilesmith
