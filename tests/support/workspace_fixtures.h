// Packages and target set-ups shared by the workspace and window tests.
#pragma once
#include <utility>
#include <vector>

#include "core/package.h"
#include "model/workspace.h"
#include "support/workspace_setup.h"

namespace tilesmith {

// Every pixel different from its neighbours and never magenta, so a misplaced
// copy or a stray transparency shows; `seed` shifts the whole pattern.
inline Package pattern(int w, int h, int seed = 0) {
    Package p(w, h, kBlack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            PackedColor c = (PackedColor(x + seed) * 2654435761u ^ PackedColor(y + seed) * 40503u) & 0xFFFFFF;
            p.set_pixel(x, y, c == kTransparent ? c ^ 1 : c);
        }
    return p;
}

// A package a row of tiles wide: tile n painted from `colours[n]` with a
// fine pattern; every second tile has `noise` levels added to the red of one pixel.
inline Package tiles_of(const std::vector<int>& colours, int noise = 0) {
    Package p(kTileSide * int(colours.size()), kTileSide, kBlack);
    for (std::size_t n = 0; n < colours.size(); ++n)
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x) {
                const int v = (colours[n] * 37 + x * 3 + y) % 200 + ((x == 5 && y == 9) ? noise * int(n % 2) : 0);
                p.set_pixel(int(n) * kTileSide + x, y, pack_rgb(std::uint8_t(v), std::uint8_t(v / 2), 40));
            }
    return p;
}

}  // namespace tilesmith
