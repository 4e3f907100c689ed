// What each pane's package was read from, and the level the 3D view shows:
// the source's origin, the target's (part of the document's state, so that
// undo brings it back), the level an export previews, and why a pane's
// texture use could not be read, until told.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "model/document.h"
#include "model/level_scene.h"
#include "model/pane_origin.h"
#include "model/pane_views.h"
#include "model/texture_use.h"

namespace tilesmith {

class PaneOrigins {
public:
    explicit PaneOrigins(const Document& document) : document_(document) {}

    const PaneOrigin& origin(Side side) const;
    // The file a pane's package was read from; empty when it was not (new, copied).
    const std::string& file_of(Side side) const { return origin(side).file; }
    // Texture use of the package a pane shows, when it was read from a level; null otherwise.
    const TextureUse* texture_use(Side side) const { return origin(side).use.get(); }
    // Why the texture use of the level a pane shows could not be read (its
    // pages are fine), told once.
    std::optional<Phrase> take_use_note(Side side);

    // The rooms of the level shown for a pane; null for other packages and
    // for a level whose rooms cannot be read, whose problem says why.
    const LevelScene* scene(Side side) const { return scene_origin(side).scene.get(); }
    std::shared_ptr<const LevelScene> shared_scene(Side side) const { return scene_origin(side).scene; }
    const std::optional<Phrase>& scene_problem(Side side) const { return scene_origin(side).scene_problem; }
    // The file the level shown for a pane was read from.
    const std::string& scene_file(Side side) const { return scene_origin(side).file; }
    // The pane the level's 3D view shows: the target when it was read from a
    // level or previews one, else the source.
    Side scene_side() const;

    // The source was read from `origin` (null: not from a file), with the note to tell.
    void set_source(std::shared_ptr<const PaneOrigin> origin, std::optional<Phrase> use_note = std::nullopt);
    // The target's origin changed (it is the document's); the note to tell about it.
    void set_target_note(std::optional<Phrase> use_note) { use_notes_[1] = std::move(use_note); }
    // The base level an export previews while the target has no level of its own.
    void set_preview(std::shared_ptr<const PaneOrigin> preview) { preview_ = std::move(preview); }

private:
    // What the 3D view shows of a pane: the target previews its base while it
    // has no level of its own.
    const PaneOrigin& scene_origin(Side side) const;

    const Document& document_;
    std::shared_ptr<const PaneOrigin> source_, preview_;
    std::array<std::optional<Phrase>, 2> use_notes_;
};

}  // namespace tilesmith
