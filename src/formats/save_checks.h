// What the save commands ask before they write: whether the chosen file type
// keeps the package's transparent colour, and whether Save may write back to
// the file the target was opened from.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/package.h"
#include "strings/phrase.h"

namespace tilesmith {

// The pixels of the transparent colour.
std::int64_t transparent_pixels(const Package& package);

// The question to ask before saving the package under `file_name` when its
// type cannot keep the transparent colour (JPEG) and the package has some
// (Msg::JpegLosesTransparency with their count; answered Save anyway / Cancel);
// nullopt when nothing would change.
std::optional<Phrase> transparency_loss_question(const std::string& file_name, const Package& package);

// Whether Save may write the target back to the file it was opened from: its
// extension is one the program writes (a level or object package is not).
bool can_write_back(const std::string& opened_file);

}  // namespace tilesmith
