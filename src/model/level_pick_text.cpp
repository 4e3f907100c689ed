// The status bar's words for what a click in the 3D view met.
#include "model/level_pick_text.h"

namespace tilesmith {

Phrase picked_text(const LevelScene& scene, const ScenePick& pick) {
    if (pick.sprite >= 0 && std::size_t(pick.sprite) < scene.sprites().size()) {
        const SceneSprite& s = scene.sprites()[std::size_t(pick.sprite)];
        return s.item >= 0 ? Phrase(Msg::PickedItemSprite).arg(s.sprite_texture).arg(s.item)
                           : Phrase(Msg::PickedRoomSprite).arg(s.sprite_texture).arg(s.room);
    }
    const SceneFace& f = scene.faces()[std::size_t(pick.face)];
    if (f.item >= 0) return Phrase(Msg::PickedMoveableFace).arg(f.object).arg(f.mesh).arg(f.mesh_face).arg(f.object_texture);
    if (f.placed_static >= 0)
        return Phrase(Msg::PickedStaticFace).arg(f.room).arg(f.object).arg(f.mesh_face).arg(f.object_texture);
    return Phrase(Msg::PickedFace).arg(f.room).arg(f.face).arg(f.object_texture);
}

}  // namespace tilesmith
