// The texture references of a level file alone, from the one reading of
// level_file.h: for tests and tools that want nothing else of it.
#pragma once
#include <optional>
#include <string>

#include "formats/texture_refs.h"
#include "strings/phrase.h"

namespace tilesmith {

// nullopt for files of a format that records no texture use (images, object
// packages, unknown extensions). Throws Error (Msg::TextureUseUnknown, naming
// the file and why) when the level's structures cannot be walked, and the
// errors of reading it.
std::optional<LevelTextureRefs> read_texture_refs(const std::string& file_name);

// What the user is told of a level walked with bytes after its last
// structure (Msg::LevelBytesIgnored, naming the file); nullopt when none.
std::optional<Phrase> ignored_bytes_warning(const std::string& file_name, const LevelTextureRefs& refs);

}  // namespace tilesmith
