// The workspace: its parts made over one document, and what spans them.
#include "model/workspace.h"

namespace tilesmith {

namespace {

std::string size_text(const Package& p) {
    return std::to_string(p.width()) + " x " + std::to_string(p.height());
}
std::string tile_count_text(const Package& p) {
    // 64-bit product: a 2048 x 8192 package or a long level does not overflow.
    return std::to_string((long long)p.width() * p.height() / (kTileSide * kTileSide));
}

}  // namespace

Workspace::Workspace()
    : views_(document_.source(), document_.target()),
      origins_(document_),
      edits_(document_, views_, origins_, options_),
      files_(document_, views_, origins_, options_) {}

std::array<std::string, 4> Workspace::size_texts() const {
    const Package &source = document_.source(), &target = document_.target();
    return {size_text(source), tile_count_text(source), size_text(target), tile_count_text(target)};
}

void Workspace::set_options(const Options& options) {
    options_ = options;
    set_grid_step(options.grid_step);
}

void Workspace::set_grid_step(int step) { options_.grid_step = is_grid_step(step) ? step : kDefaultGridStep; }

bool Workspace::available(Operation op) const {
    if (busy()) return false;
    switch (op) {
        case Operation::undo: return document_.history().can_undo();
        case Operation::redo: return document_.history().can_redo();
        case Operation::compact_level: return compaction_side().has_value();
        default: return true;
    }
}

std::optional<Side> Workspace::compaction_side() const {
    const Side active = views_.last_clicked();
    const Side other = active == Side::source ? Side::target : Side::source;
    for (const Side side : {active, other})
        if (origins_.origin(side).level && !origins_.file_of(side).empty()) return side;
    return std::nullopt;
}

void Workspace::select_picked(Side side, const ScenePick& pick) {
    if (const LevelScene* scene = origins_.scene(side)) views_.select_picked(side, *scene, pick);
}

}  // namespace tilesmith
