// Reading a file once: its kind, its pages and its whole level from one opening.
#include "formats/level_file.h"

#include "core/error.h"
#include "core/file_io.h"
#include "core/pool.h"
#include "formats/format_registry.h"
#include "formats/level_format.h"
#include "formats/tr1.h"
#include "formats/tr23.h"
#include "formats/level_textures.h"
#include "formats/tr45.h"
#include "formats/wad.h"

namespace tilesmith {

namespace {

// The reason a walk's Error gives, without the words naming the file.
Phrase reason_of(const Error& e) {
    const Phrase* why = e.phrase().nested(1);
    return why ? *why : e.phrase();
}

// The whole walk of a level; when only its rooms or objects fail, the
// texture walk alone, so that its texture use is still known.
void walk(InFile& in, const LevelVersion& version, LevelFile& out) {
    const std::string& name = in.path();
    try {
        out.level = std::make_shared<const LevelGeometry>(
            naming_file(Msg::RoomsUnknown, name, [&] { return version.walk_level(in); }));
        return;
    } catch (const Error& e) {
        out.rooms_problem = Phrase(Msg::RoomsUnknown).arg(name).arg(reason_of(e));
    }
    try {
        auto textures_only = std::make_shared<LevelGeometry>();
        textures_only->game = version.game;
        textures_only->textures =
            naming_file(Msg::TextureUseUnknown, name, [&] { return version.walk_textures(in); });
        out.level = std::move(textures_only);
    } catch (const Error& e) {
        out.walk_reason = reason_of(e);
        out.use_problem = Phrase(Msg::TextureUseUnknown).arg(name).arg(*out.walk_reason);
    }
}

}  // namespace

std::optional<Phrase> LevelFile::ignored_bytes_warning() const {
    if (!level) return std::nullopt;
    return tilesmith::ignored_bytes_warning(name, level->textures);
}

std::optional<Phrase> LevelFile::export_refusal() const {
    // A level cut short or with damaged counts would be copied damaged.
    if (walked() || !walk_reason) return std::nullopt;
    return Phrase(Msg::BaseNotWalked).arg(name).arg(*walk_reason);
}

LevelFile read_level_file(const std::string& file_name, const ReaderOptions& options, Progress& progress,
                          LevelParts parts, const BesidePages& beside) {
    std::optional<InFile> in;
    try {
        in.emplace(file_name);
    } catch (const Error&) {
        // A file no format reads by its name is told so, whether or not it opens.
        if (format_of(file_name)) throw;
        LevelFile none;
        none.name = file_name;
        return none;
    }
    return read_level_file(*in, options, progress, parts, beside);
}

std::optional<std::int64_t> level_pages(const FileFormat& format, InFile& in, bool both_blocks) {
    if (&format == &kTr1Format) return walk_tr1(in).pages;
    if (&format == &kTr23Format) return parse_tr23_layout(in, in.path()).pages;
    if (&format == &kTr45Format)
        return parse_tr45_layout(in, in.path(), both_blocks ? Tr45Parts::both_blocks : Tr45Parts::block32).pages;
    if (&format == &kWadFormat) return (both_blocks ? wad_base_layout(in) : parse_wad_layout(in, in.path())).pages;
    return std::nullopt;
}

LevelFile read_level_file(InFile& in, const ReaderOptions& options, Progress& progress, LevelParts parts,
                          const BesidePages& beside) {
    const std::string& file_name = in.path();
    LevelFile out;
    out.name = file_name;
    in.seek(0);
    std::uint8_t first[kSignatureBytes] = {};
    const std::size_t got = in.read_some(first, sizeof first);
    out.format = format_of_first_bytes({first, got}, file_name);
    if (!out.format) return out;
    const std::string extension = file_extension(file_name);
    const bool leveled = !out.format->versions.empty() || out.format->kind != FormatKind::image;
    if (leveled) {
        out.kind = level_kind_of(first, got, extension);
        out.kind_title = level_kind_title(*out.format, out.kind, extension);
        if (!out.kind.taken) {
            ReadResult refused = read_result_of(out.package, out.kind.version->misnamed);
            refused.untouched = true;
            refused.file_name = file_name;
            out.result = refused;
            out.walk_reason = Phrase(out.kind.version->misnamed);
            out.use_problem = Phrase(Msg::TextureUseUnknown).arg(file_name).arg(out.kind.version->misnamed);
            out.rooms_problem = Phrase(Msg::RoomsUnknown).arg(file_name).arg(out.kind.version->misnamed);
            return out;
        }
    }
    const LevelVersion* version =
        parts == LevelParts::pages_only ? nullptr : walked_version(*out.format, out.kind, extension);
    if (version && !version->walk_level) version = nullptr;
    const bool pages_wanted = parts != LevelParts::walk_only && out.format->read;
    if (!pages_wanted) {
        if (version) walk(in, *version, out);
        return out;
    }
    // The walk reads where it needs without moving the pages' reading (read_at),
    // so it runs beside them, and what needs only its value after it.
    std::optional<std::int64_t> pages;
    if (version && beside) {
        try {
            pages = level_pages(*out.format, in);
        } catch (const Error&) {
            // The pages' reader says what is wrong with the header.
        }
    }
    const auto walk_then = [&] {
        walk(in, *version, out);
        if (pages && out.level) beside(out, int(*pages));
    };
    const auto read_pages = [&] {
        in.seek(0);
        out.result = naming_file(Msg::CannotReadFile, file_name, [&] {
            return out.format->read_open ? out.format->read_open(in, out.package, options, progress)
                                         : out.format->read(file_name, out.package, options, progress);
        });
        out.result->file_name = file_name;
        out.result->note = renamed_note(out.kind, file_name);
    };
    if (version) WorkerPool::shared().run_beside(walk_then, read_pages);
    else read_pages();
    return out;
}

std::optional<LevelGeometry> read_level_rooms(const std::string& file_name) {
    CountingProgress reading;
    const LevelFile read = read_level_file(file_name, ReaderOptions{}, reading, LevelParts::walk_only);
    if (read.rooms_problem) throw Error(*read.rooms_problem);
    if (!read.level) return std::nullopt;
    return *read.level;
}

std::optional<LevelTextureRefs> read_texture_refs(const std::string& file_name) {
    CountingProgress reading;
    const LevelFile read = read_level_file(file_name, ReaderOptions{}, reading, LevelParts::walk_only);
    if (read.use_problem) throw Error(*read.use_problem);
    if (!read.level) return std::nullopt;
    return read.level->textures;
}

std::optional<Phrase> ignored_bytes_warning(const std::string& file_name, const LevelTextureRefs& refs) {
    if (refs.ignored_bytes <= 0) return std::nullopt;
    return Phrase(Msg::LevelBytesIgnored).arg(file_name).arg(refs.ignored_bytes);
}

}  // namespace tilesmith
