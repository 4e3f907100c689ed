// Packages and target set-ups shared by the workspace and window tests.
#pragma once
#include <utility>

#include "core/package.h"
#include "model/workspace.h"

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

// Makes `p` the target package and resets the target pane to it.
inline void use_target(Workspace& ws, Package p) {
    ws.target_package = std::move(p);
    ws.reset_pane(ws.target_package.width() / 64, ws.target_package.height() / 64, 2);
}

}  // namespace tilesmith
