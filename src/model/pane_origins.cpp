// What the panes were read from, and the level the 3D view shows.
#include "model/pane_origins.h"

namespace tilesmith {

const PaneOrigin& PaneOrigins::origin(Side side) const {
    static const PaneOrigin none;
    const auto& origin = side == Side::source ? source_ : document_.target_state().origin;
    return origin ? *origin : none;
}

std::optional<Phrase> PaneOrigins::take_use_note(Side side) {
    std::optional<Phrase> note;
    note.swap(use_notes_[side == Side::source ? 0 : 1]);
    return note;
}

const PaneOrigin& PaneOrigins::scene_origin(Side side) const {
    const PaneOrigin& own = origin(side);
    if (side == Side::source || own.scene || own.scene_problem || !preview_) return own;
    return *preview_;
}

Side PaneOrigins::scene_side() const {
    const PaneOrigin& target = scene_origin(Side::target);
    return target.scene || target.scene_problem ? Side::target : Side::source;
}

void PaneOrigins::set_source(std::shared_ptr<const PaneOrigin> origin, std::optional<Phrase> use_note) {
    source_ = std::move(origin);
    use_notes_[0] = std::move(use_note);
}

}  // namespace tilesmith
