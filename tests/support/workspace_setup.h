// Setting up the workspace's target for a test, as the commands leave it.
#pragma once
#include <functional>
#include <utility>

#include "core/package.h"
#include "model/workspace.h"

namespace tilesmith {

// Makes `p` the target package, its brush included, as a freshly opened one.
inline void use_target(Workspace& ws, Package p) {
    const PackedColor brush = p.brush();
    ws.pak_make(1, 1, brush, false);
    ws.use_target(std::move(p));
}

// One undo step of the target that runs `change` once (the selection is one tile).
inline void change_target(Workspace& ws, const std::function<void(Package&)>& change) {
    ws.apply_effect([&](Package& p, const Rect&) { change(p); });
}

}  // namespace tilesmith
