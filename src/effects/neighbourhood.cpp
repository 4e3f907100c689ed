// Neighbourhood effects: blur and pixelate, which compute a pixel from its
// neighbours inside the effect rectangle.
#include <cstdint>

#include "effects/routines.h"
#include "effects/frame.h"

namespace tilesmith {

using effect::kSide;
using effect::Map;
using effect::Tile;

void blur(Package& package, int x, int y, Progress& progress) {
    effect::run_effect(package, x, y, 2, Map::kUsed, progress, [](Tile& t, Progress& p) {
        // Every read of the filter comes from the snapshot, so the result does
        // not depend on the order in which pixels are written.
        const Tile snap = t;
        p.step();
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j) {
                std::uint16_t sum[4] = {0, 0, 0, 0};  // at most 5 * 255
                std::uint16_t count = 0;
                auto add = [&](int a, int b) {
                    for (int ch = 1; ch <= 3; ++ch) sum[ch] += color_channel(snap.px[a][b], ch);
                    ++count;
                };
                add(i, j);
                // The rectangle's border is the image border, even where the
                // package continues beyond it.
                if (i + 1 <= kSide - 1) add(i + 1, j);
                if (i - 1 >= 0) add(i - 1, j);
                if (j + 1 <= kSide - 1) add(i, j + 1);
                if (j - 1 >= 0) add(i, j - 1);
                t.px[i][j] = pack_rgb(std::uint8_t(sum[1] / count), std::uint8_t(sum[2] / count),
                                      std::uint8_t(sum[3] / count));
            }
        p.step();
    });
}

void pixelate(Package& package, int x, int y, Progress& progress) {
    effect::run_effect(package, x, y, 1, Map::kUsed, progress, [](Tile& t, Progress& p) {
        // The 2 x 2 blocks do not overlap, so each reads values from before the effect.
        for (int bp = 0; bp < kSide / 2; ++bp)
            for (int bq = 0; bq < kSide / 2; ++bq) {
                const int i = 2 * bp, j = 2 * bq;
                std::uint8_t avg[4] = {0, 0, 0, 0};
                for (int ch = 1; ch <= 3; ++ch) {
                    const unsigned s = color_channel(t.px[i][j], ch) + color_channel(t.px[i + 1][j], ch) +
                                       color_channel(t.px[i][j + 1], ch) +
                                       color_channel(t.px[i + 1][j + 1], ch);
                    avg[ch] = std::uint8_t(s / 4);
                }
                const PackedColor c = pack_rgb(avg[1], avg[2], avg[3]);
                t.px[i][j] = c;
                t.px[i + 1][j] = c;
                t.px[i][j + 1] = c;
                t.px[i + 1][j + 1] = c;
            }
        p.step();
    });
}

}  // namespace tilesmith
