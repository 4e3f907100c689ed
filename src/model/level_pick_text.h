// What the status bar says of a face or sprite picked in the level's 3D view.
#pragma once
#include "model/level_scene.h"
#include "strings/phrase.h"

namespace tilesmith {

// A room's own face by its room and number there, a static mesh's by its
// room, id and face in its mesh, a moveable's by its object id, mesh and face
// in the mesh; a sprite by its sprite texture and its room or item.
Phrase picked_text(const LevelScene& scene, const ScenePick& pick);

}  // namespace tilesmith
