// The effect routines applied to the 64 x 64 effect rectangle of a package,
// and their shared pixel routines. No knowledge of the window, the selection
// or the undo ring: a routine gets the package, the rectangle's top-left
// corner (x, y) in package pixels, its own parameters and the progress.
#pragma once
#include <cstdint>

#include "core/color.h"
#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

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
void mark_transparent(const Package& package, int x, int y, TransparentMap& map);
void restore_transparent(Package& package, int x, int y, const TransparentMap& map);

void invert_colors(Package& package, int x, int y, Progress& progress);
void gray_scale(Package& package, int x, int y, Progress& progress);
void black_white(Package& package, int x, int y, Progress& progress);
void reduce_colors(Package& package, int x, int y, std::uint8_t step, Progress& progress);
void adjust_gamma(Package& package, int x, int y, std::int8_t delta, Progress& progress);
void swap_channels(Package& package, int x, int y, std::uint8_t red_to, std::uint8_t green_to,
                   std::uint8_t blue_to, Progress& progress);
void average_color(Package& package, int x, int y, Progress& progress);
void sharpen_channel(Package& package, int x, int y, std::uint8_t channel, std::uint8_t amount,
                     Progress& progress);
void blur(Package& package, int x, int y, Progress& progress);
void pixelate(Package& package, int x, int y, Progress& progress);
void rotate90(Package& package, int x, int y, Progress& progress);
void flip(Package& package, int x, int y, std::uint8_t mode, Progress& progress);
void diaphragm(Package& package, int x, int y, std::uint8_t mode, PackedColor colour,
               Progress& progress);
void button3d(Package& package, int x, int y, std::uint8_t mode, Progress& progress);

}  // namespace tilesmith
