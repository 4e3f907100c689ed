// The export's checks of its base, made before the output file is chosen.
#pragma once
#include <optional>
#include <string>

#include "core/package.h"
#include "strings/phrase.h"

namespace tilesmith {

// Why the package cannot go into `base_name`, naming it: no exporter takes its
// extension (Msg::BaseNotTaken, with the extensions that work), its first
// bytes name a level of a kind its extension does not take, its structures
// cannot be walked to their end (Msg::BaseNotWalked, with the walk's reason),
// or the package is not the size of its textures (Msg::BaseSizeDiffers,
// naming both sizes). The base is opened once.
// nullopt: the export may ask for its output. Throws Error, naming the base,
// when the base cannot be read or its header is damaged.
std::optional<Phrase> export_base_refusal(const std::string& base_name, const Package& package);
// The same for a package of `width` x `height` pixels.
std::optional<Phrase> export_base_refusal(const std::string& base_name, int width, int height);

}  // namespace tilesmith
