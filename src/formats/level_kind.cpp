// Level kinds by their first four bytes, from the versions in the registry.
#include "formats/level_kind.h"

#include <algorithm>

#include "core/file_io.h"
#include "formats/format_registry.h"

namespace tilesmith {

namespace {

bool takes(const LevelVersion& version, const std::string& extension) {
    return std::find(version.extensions.begin(), version.extensions.end(), extension) != version.extensions.end();
}

}  // namespace

LevelKind level_kind_of(const std::uint8_t* first, std::size_t size, const std::string& extension) {
    if (size < 4) return {};
    LevelKind kind;
    for (const FileFormat* format : file_formats())
        for (const LevelVersion* v : format->versions) {
            if (!v->signature(first)) continue;
            if (takes(*v, extension)) return {v, true};
            // A version some format reads is read so, whatever the name says.
            if (!v->extensions.empty() && !kind.renamed) kind = {v, true, true};
            else if (!kind.version) kind = {v, false};
        }
    return kind;
}

const FileFormat* format_reading(const LevelVersion& version) {
    for (const FileFormat* format : file_formats())
        if (std::find(format->versions.begin(), format->versions.end(), &version) != format->versions.end() &&
            !version.extensions.empty())
            return format;
    return nullptr;
}

std::optional<Phrase> renamed_note(const LevelKind& kind, const std::string& file_name) {
    if (!kind.renamed) return std::nullopt;
    return Phrase(Msg::LevelReadAsItsKind).arg(file_name).arg(kind.version->game);
}

LevelKind read_level_kind(const std::string& file_name) {
    InFile in(file_name);
    std::uint8_t first[4] = {};
    const std::size_t got = in.read_some(first, sizeof first);
    return level_kind_of(first, got, file_extension(file_name));
}

std::optional<Msg> misnamed_level(const FileFormat& format, const std::string& file_name) {
    if (format.kind == FormatKind::image) return std::nullopt;
    const LevelKind kind = read_level_kind(file_name);
    if (kind.taken) return std::nullopt;
    return kind.version->misnamed;
}

const LevelVersion* walked_version(const FileFormat& format, const LevelKind& kind, const std::string& extension) {
    if (kind.version) return kind.taken && kind.version->walk_textures ? kind.version : nullptr;
    for (const LevelVersion* v : format.versions)
        if (takes(*v, extension) && v->walk_textures) return v;
    return nullptr;
}

std::string level_kind_title(const FileFormat& format, const LevelKind& kind, const std::string& extension) {
    if (kind.version) return std::string(kind.version->title);
    if (!format.kind_title.empty()) return std::string(format.kind_title);
    const LevelVersion* v = walked_version(format, kind, extension);
    return v ? std::string(v->title) : "level";
}

}  // namespace tilesmith
