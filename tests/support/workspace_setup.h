// Setting up the workspace's target for a test, as the commands leave it.
#pragma once
#include <functional>
#include <utility>

#include "core/package.h"
#include "model/workspace.h"

namespace tilesmith {

// Makes `p` the target package, its brush included, as a freshly opened one
// (one undo step).
inline void use_target(Workspace& ws, Package p) { ws.edits().use_target(std::move(p)); }

// One undo step of the target that runs `change` once (the selection is one tile).
inline void change_target(Workspace& ws, const std::function<void(Package&)>& change) {
    ws.edits().apply_effect(Msg::Delete, [&](Package& p, const Rect&) { change(p); });
}

// A task of the workspace run here and now, as the window runs a small one.
inline void run_task(const Task& task) {
    CountingProgress quiet;
    run_here(task, quiet);
}

}  // namespace tilesmith
