// Packages and target set-ups shared by the workspace and window tests.
#pragma once
#include <utility>

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

}  // namespace tilesmith
