// The effect routines applied to an area of a package, and their shared pixel
// routines. No knowledge of the window, the selection or the undo ring: a
// routine gets the package, the area in package pixels (a rectangle of any
// size, worked on as one picture), its own parameters and the progress.
#pragma once
#include <cstdint>

#include "core/color.h"
#include "core/dimensions.h"
#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// The rectangle an effect works on: its top-left corner and its size, one
// tile unless said otherwise. It may reach past the package: reads there see
// kOutside, writes there are dropped.
struct EffectArea {
    int x = 0, y = 0;
    int width = kTileSide, height = kTileSide;
};

using TransparentMap = std::uint8_t[64][64];  // indexed [i][j]

// Channel 1 red, 2 green, 3 blue; any other number gives 0. Inline: the
// routines read every channel of every pixel through it.
constexpr std::uint8_t color_channel(PackedColor colour, int channel) {
    switch (channel) {
        case 1: return red_of(colour);
        case 2: return green_of(colour);
        case 3: return blue_of(colour);
        default: return 0;
    }
}
// The 64 x 64 rectangle at (x, y).
void mark_transparent(const Package& package, int x, int y, TransparentMap& map);
void restore_transparent(Package& package, int x, int y, const TransparentMap& map);

void invert_colors(Package& package, const EffectArea& area, Progress& progress);
void gray_scale(Package& package, const EffectArea& area, Progress& progress);
void black_white(Package& package, const EffectArea& area, Progress& progress);
void reduce_colors(Package& package, const EffectArea& area, std::uint8_t step, Progress& progress);
void adjust_gamma(Package& package, const EffectArea& area, std::int8_t delta, Progress& progress);
void swap_channels(Package& package, const EffectArea& area, std::uint8_t red_to, std::uint8_t green_to,
                   std::uint8_t blue_to, Progress& progress);
void average_color(Package& package, const EffectArea& area, Progress& progress);
void sharpen_channel(Package& package, const EffectArea& area, std::uint8_t channel, std::uint8_t amount,
                     Progress& progress);
void blur(Package& package, const EffectArea& area, Progress& progress);
void pixelate(Package& package, const EffectArea& area, Progress& progress);
// Turns a square area a quarter counter-clockwise; any other area is left as it is.
void rotate90(Package& package, const EffectArea& area, Progress& progress);
void flip(Package& package, const EffectArea& area, std::uint8_t mode, Progress& progress);
void diaphragm(Package& package, const EffectArea& area, std::uint8_t mode, PackedColor colour,
               Progress& progress);
void button3d(Package& package, const EffectArea& area, std::uint8_t mode, Progress& progress);

}  // namespace tilesmith
