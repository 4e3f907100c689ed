// Placeholder until the effects land.
#include "edittga/edittga.h"
namespace tilesmith {
std::uint8_t color_channel(PackedColor colour, int channel) {
    switch (channel) {
        case 1: return red_of(colour);
        case 2: return green_of(colour);
        case 3: return blue_of(colour);
        default: return 0;
    }
}
void mark_transparent(const Package&, int, int, TransparentMap&) {}
void restore_transparent(Package&, int, int, const TransparentMap&) {}
void invert_colors(Package&, int, int, Progress&) {}
void gray_scale(Package&, int, int, Progress&) {}
void black_white(Package&, int, int, Progress&) {}
void reduce_colors(Package&, int, int, std::uint8_t, Progress&) {}
void adjust_gamma(Package&, int, int, std::int8_t, Progress&) {}
void swap_channels(Package&, int, int, std::uint8_t, std::uint8_t, std::uint8_t, Progress&) {}
void average_color(Package&, int, int, Progress&) {}
void sharpen_channel(Package&, int, int, std::uint8_t, std::uint8_t, Progress&) {}
void blur(Package&, int, int, Progress&) {}
void pixelate(Package&, int, int, Progress&) {}
void rotate90(Package&, int, int, Progress&) {}
void flip(Package&, int, int, std::uint8_t, Progress&) {}
void diaphragm(Package&, int, int, std::uint8_t, PackedColor, Progress&) {}
void button3d(Package&, int, int, std::uint8_t, Progress&) {}
}  // namespace tilesmith
