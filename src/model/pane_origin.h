// What a pane's package was read from: the file, and for a level what the
// pages alone do not hold.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "strings/phrase.h"

namespace tilesmith {

class LevelScene;
class TextureUse;
struct LevelGeometry;

struct PaneOrigin {
    std::string file;  // empty: not read from a file (new, pasted)
    // The whole level the file was read into; null for images, object
    // packages and a level whose structures cannot be walked.
    std::shared_ptr<const LevelGeometry> level;
    // The level's texture use; null for images, object packages and a level
    // whose structures cannot be walked.
    std::shared_ptr<const TextureUse> use;
    // The level's rooms, or why they cannot be read.
    std::shared_ptr<const LevelScene> scene;
    std::optional<Phrase> scene_problem;
};

}  // namespace tilesmith
