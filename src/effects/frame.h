// The frame every effect routine runs in: the area as a picture of its own,
// the transparent map, and the gauge protocol. Internal to effects.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/color.h"
#include "core/dimensions.h"
#include "core/package.h"
#include "core/progress.h"
#include "effects/routines.h"

namespace tilesmith::effect {

// The effect area copied out of the package, (i, j) with i the column offset
// and j the row offset. Positions outside the package hold kOutside, as
// Package::pixel returns them.
struct Picture {
    int width = 0, height = 0;
    std::vector<PackedColor> px;  // row by row

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), px(std::size_t(w) * std::size_t(h)) {}
    PackedColor& at(int i, int j) { return px[std::size_t(j) * std::size_t(width) + std::size_t(i)]; }
    PackedColor at(int i, int j) const { return px[std::size_t(j) * std::size_t(width) + std::size_t(i)]; }
};

// Reads the area. Rows wholly inside the package are copied straight from
// the package's rows; others go pixel by pixel. x + i never overflows:
// coordinates are formed in 64 bits. An area of no pixels reads as an empty picture.
void load_picture(const Package& package, const EffectArea& area, Picture& picture);
// Writes the picture back; positions outside the package are dropped.
void store_picture(Package& package, const EffectArea& area, const Picture& picture);
// The pixel-by-pixel paths on their own, so tests can hold the row paths to them.
void load_picture_by_pixel(const Package& package, const EffectArea& area, Picture& picture);
void store_picture_by_pixel(Package& package, const EffectArea& area, const Picture& picture);

// One mark a pixel, in the picture's order: 1 where it is transparent.
using Marks = std::vector<std::uint8_t>;
void mark_transparent(const Picture& picture, Marks& marks);
void restore_transparent(Picture& picture, const Marks& marks);

// A channel-wise colour with bits 24-31 zero, whatever the input carried.
inline PackedColor opaque(PackedColor c) {
    return pack_rgb(color_channel(c, 1), color_channel(c, 2), color_channel(c, 3));
}

enum class Map { kUnused, kUsed };

// Resets the gauge to `phases`, loads the area, records the transparent
// pixels when the routine uses the map, runs `work(picture, progress)` (which
// steps the gauge once after each of its phases; it is not called for an
// empty area, whose phases are stepped here), paints the transparent pixels
// back and stores the area.
template <class Work>
void run_effect(Package& package, const EffectArea& area, int phases, Map map_use, Progress& progress,
                Work&& work) {
    progress.reset(phases);
    Picture picture;
    load_picture(package, area, picture);
    if (picture.px.empty()) {
        for (int k = 0; k < phases; ++k) progress.step();
        return;
    }
    Marks marks;
    if (map_use == Map::kUsed) mark_transparent(picture, marks);
    work(picture, progress);
    if (map_use == Map::kUsed) restore_transparent(picture, marks);
    store_picture(package, area, picture);
}

// Applies `f(colour) -> colour` to every pixel.
template <class F>
void for_each_pixel(Picture& picture, F&& f) {
    for (PackedColor& c : picture.px) c = f(c);
}

}  // namespace tilesmith::effect
