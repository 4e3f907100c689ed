// Choosing the walk of a level's texture references from the registry.
#include "formats/level_textures.h"

#include "core/error.h"
#include "core/file_io.h"
#include "formats/format_registry.h"
#include "formats/level_kind.h"
#include "formats/level_walk.h"

namespace tilesmith {

std::optional<LevelTextureRefs> read_texture_refs(const std::string& file_name) {
    const FileFormat* format = format_of_file(file_name);
    if (!format || format->versions.empty()) return std::nullopt;
    const std::string extension = file_extension(file_name);
    const LevelKind kind = read_level_kind(file_name);
    if (!kind.taken) throw Error(Msg::TextureUseUnknown, file_name, kind.version->misnamed);
    const LevelVersion* version = walked_version(*format, kind, extension);
    if (!version) return std::nullopt;
    InFile in(file_name);
    return naming_file(Msg::TextureUseUnknown, file_name, [&] { return version->walk_textures(in); });
}

std::optional<Phrase> ignored_bytes_warning(const std::string& file_name, const LevelTextureRefs& refs) {
    if (refs.ignored_bytes <= 0) return std::nullopt;
    return Phrase(Msg::LevelBytesIgnored).arg(file_name).arg(refs.ignored_bytes);
}

}  // namespace tilesmith
