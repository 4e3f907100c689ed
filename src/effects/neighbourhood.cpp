// Neighbourhood effects: blur and pixelate, which compute a pixel from its
// neighbours inside the effect area, across the borders of its tiles.
#include <cstdint>

#include "effects/routines.h"
#include "effects/frame.h"

namespace tilesmith {

using effect::Map;
using effect::Picture;

void blur(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 2, Map::kUsed, progress, [](Picture& t, Progress& p) {
        // Every read of the filter comes from the snapshot, so the result does
        // not depend on the order in which pixels are written.
        const Picture snap = t;
        p.step();
        const int w = t.width, h = t.height;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                std::uint16_t sum[4] = {0, 0, 0, 0};  // at most 5 * 255
                std::uint16_t count = 0;
                auto add = [&](int a, int b) {
                    for (int ch = 1; ch <= 3; ++ch) sum[ch] += color_channel(snap.at(a, b), ch);
                    ++count;
                };
                add(i, j);
                // The area's border is the image border, even where the
                // package continues beyond it.
                if (i + 1 <= w - 1) add(i + 1, j);
                if (i - 1 >= 0) add(i - 1, j);
                if (j + 1 <= h - 1) add(i, j + 1);
                if (j - 1 >= 0) add(i, j - 1);
                t.at(i, j) = pack_rgb(std::uint8_t(sum[1] / count), std::uint8_t(sum[2] / count),
                                      std::uint8_t(sum[3] / count));
            }
        p.step();
    });
}

void pixelate(Package& package, const EffectArea& area, Progress& progress) {
    effect::run_effect(package, area, 1, Map::kUsed, progress, [](Picture& t, Progress& p) {
        // The 2 x 2 blocks do not overlap, so each reads values from before the
        // effect. An odd last row or column has no block and stays.
        for (int bp = 0; bp < t.width / 2; ++bp)
            for (int bq = 0; bq < t.height / 2; ++bq) {
                const int i = 2 * bp, j = 2 * bq;
                std::uint8_t avg[4] = {0, 0, 0, 0};
                for (int ch = 1; ch <= 3; ++ch) {
                    const unsigned s = color_channel(t.at(i, j), ch) + color_channel(t.at(i + 1, j), ch) +
                                       color_channel(t.at(i, j + 1), ch) +
                                       color_channel(t.at(i + 1, j + 1), ch);
                    avg[ch] = std::uint8_t(s / 4);
                }
                const PackedColor c = pack_rgb(avg[1], avg[2], avg[3]);
                t.at(i, j) = c;
                t.at(i + 1, j) = c;
                t.at(i, j + 1) = c;
                t.at(i + 1, j + 1) = c;
            }
        p.step();
    });
}

}  // namespace tilesmith
