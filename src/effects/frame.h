// The frame every effect routine runs in: the rectangle as a local tile,
// the transparent map, and the gauge protocol. Internal to effects.
#pragma once
#include <cstdint>

#include "core/color.h"
#include "core/dimensions.h"
#include "core/package.h"
#include "core/progress.h"
#include "effects/routines.h"

namespace tilesmith::effect {

constexpr int kSide = kTileSide;

// The effect rectangle copied out of the package, indexed [i][j] with i the
// column offset and j the row offset. Positions outside the package hold
// kOutside, as Package::pixel returns them.
struct Tile {
    PackedColor px[kSide][kSide];
};

// Reads the rectangle at (x, y). Rectangles wholly inside the package are
// copied straight from the rows; others go pixel by pixel. x + i never
// overflows: coordinates are formed in 64 bits.
void load_tile(const Package& package, int x, int y, Tile& tile);
// Writes the tile back; positions outside the package are dropped.
void store_tile(Package& package, int x, int y, const Tile& tile);
// The pixel-by-pixel paths on their own, so tests can hold the row paths to them.
void load_tile_by_pixel(const Package& package, int x, int y, Tile& tile);
void store_tile_by_pixel(Package& package, int x, int y, const Tile& tile);

void mark_transparent(const Tile& tile, TransparentMap& map);
void restore_transparent(Tile& tile, const TransparentMap& map);

// A channel-wise colour with bits 24-31 zero, whatever the input carried.
inline PackedColor opaque(PackedColor c) {
    return pack_rgb(color_channel(c, 1), color_channel(c, 2), color_channel(c, 3));
}

enum class Map { kUnused, kUsed };

// Resets the gauge to `phases`, loads the rectangle, records the transparent
// pixels when the routine uses the map, runs `work(tile, progress)` (which
// steps the gauge once after each of its phases), paints the transparent
// pixels back and stores the rectangle.
template <class Work>
void run_effect(Package& package, int x, int y, int phases, Map map_use, Progress& progress,
                Work&& work) {
    progress.reset(phases);
    Tile tile;
    load_tile(package, x, y, tile);
    TransparentMap map;
    if (map_use == Map::kUsed) mark_transparent(tile, map);
    work(tile, progress);
    if (map_use == Map::kUsed) restore_transparent(tile, map);
    store_tile(package, x, y, tile);
}

// Applies `f(colour) -> colour` to every pixel, i outer and j inner.
template <class F>
void for_each_pixel(Tile& tile, F&& f) {
    for (int i = 0; i < kSide; ++i)
        for (int j = 0; j < kSide; ++j) tile.px[i][j] = f(tile.px[i][j]);
}

}  // namespace tilesmith::effect
