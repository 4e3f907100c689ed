// Tone and colour effects: each pixel recomputed from itself or from one
// statistic of the whole area.
#include <algorithm>
#include <cstdint>

#include "effects/routines.h"
#include "effects/frame.h"

namespace tilesmith {

using effect::Map;
using effect::Picture;

namespace {

std::uint8_t clamp_channel(int v) { return std::uint8_t(std::clamp(v, 0, 255)); }

int average_of(PackedColor c) {
    return (color_channel(c, 1) + color_channel(c, 2) + color_channel(c, 3)) / 3;
}

}  // namespace

void invert_colors(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [](PackedColor c) {
            return pack_rgb(255 - color_channel(c, 1), 255 - color_channel(c, 2),
                            255 - color_channel(c, 3));
        });
        p.step();
    });
}

void gray_scale(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [](PackedColor c) {
            // The weights add up to 256, so g stays within 0..255.
            const unsigned g =
                (77u * color_channel(c, 1) + 150u * color_channel(c, 2) + 29u * color_channel(c, 3)) /
                256u;
            return pack_rgb(std::uint8_t(g), std::uint8_t(g), std::uint8_t(g));
        });
        p.step();
    });
}

void black_white(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 3, Map::kUsed, progress, [](Picture& t, Progress& p) {
        // Transparent pixels must not set the threshold: they are painted back anyway.
        std::int32_t m = 0;
        for (const PackedColor c : t.px) {
            const int a = average_of(c);
            if (a > m && c != kTransparent) m = a;
        }
        p.step();
        const std::int32_t threshold = m / 2;
        p.step();
        effect::for_each_pixel(
            t, [threshold](PackedColor c) { return average_of(c) > threshold ? kWhite : kBlack; });
        p.step();
    });
}

void reduce_colors(Package& package, const EffectArea& area, std::uint8_t step, Progress& progress) {
    // A step of 0 has no multiples to round down to; it leaves the colours
    // as they are instead of dividing by zero.
    const unsigned s = step == 0 ? 1u : step;
    effect::run_effect(package, area, 1, Map::kUsed, progress, [s](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [s](PackedColor c) {
            auto down = [s](unsigned v) { return std::uint8_t(s * (v / s)); };
            return pack_rgb(down(color_channel(c, 1)), down(color_channel(c, 2)),
                            down(color_channel(c, 3)));
        });
        p.step();
    });
}

void adjust_gamma(Package& package, const EffectArea& area, std::int8_t delta, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [delta](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [delta](PackedColor c) {
            return pack_rgb(clamp_channel(color_channel(c, 1) + delta),
                            clamp_channel(color_channel(c, 2) + delta),
                            clamp_channel(color_channel(c, 3) + delta));
        });
        p.step();
    });
}

void swap_channels(Package& package, const EffectArea& area, std::uint8_t red_to, std::uint8_t green_to,
                   std::uint8_t blue_to, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [=](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [=](PackedColor c) {
            // Index 0 is the pixel's own colour; a channel that receives nothing
            // keeps its value, and a channel number outside 1..3 receives
            // nothing instead of writing out of bounds.
            std::uint8_t out[4] = {0, color_channel(c, 1), color_channel(c, 2), color_channel(c, 3)};
            const std::uint8_t in[4] = {0, out[1], out[2], out[3]};
            auto put = [&out](std::uint8_t to, std::uint8_t v) {
                if (to >= 1 && to <= 3) out[to] = v;
            };
            put(red_to, in[1]);
            put(green_to, in[2]);
            put(blue_to, in[3]);
            return pack_rgb(out[1], out[2], out[3]);
        });
        p.step();
    });
}

void average_color(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 3, Map::kUsed, progress, [](Picture& t, Progress& p) {
        std::uint64_t sum[4] = {0, 0, 0, 0};
        for (const PackedColor c : t.px) {
            if (c == kTransparent) continue;
            for (int ch = 1; ch <= 3; ++ch) sum[ch] += color_channel(c, ch);
        }
        p.step();
        // Always the pixel count of the area: transparent pixels weigh in as black.
        for (int ch = 1; ch <= 3; ++ch) sum[ch] /= t.px.size();
        p.step();
        const PackedColor fill =
            pack_rgb(std::uint8_t(sum[1]), std::uint8_t(sum[2]), std::uint8_t(sum[3]));
        effect::for_each_pixel(t, [fill](PackedColor) { return fill; });
        p.step();
    });
}

void sharpen_channel(Package& package, const EffectArea& area, std::uint8_t channel, std::uint8_t amount,
                     Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [=](Picture& t, Progress& p) {
        effect::for_each_pixel(t, [=](PackedColor c) {
            std::uint8_t v[4] = {0, color_channel(c, 1), color_channel(c, 2), color_channel(c, 3)};
            // A channel number outside 1..3 names no channel: nothing brightens.
            if (channel >= 1 && channel <= 3) v[channel] = clamp_channel(v[channel] + amount);
            return pack_rgb(v[1], v[2], v[3]);
        });
        p.step();
    });
}

}  // namespace tilesmith
