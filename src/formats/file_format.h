// What the format registry knows of one file format: its extensions, kind,
// reader, writer, level exporter, the file dialogs' type line and, for
// levels, the game versions its files come in.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/package.h"
#include "core/progress.h"
#include "formats/export_result.h"
#include "formats/read_result.h"
#include "formats/texture_refs.h"
#include "strings/messages.h"

namespace tilesmith {

// The options menu items that readers consult.
struct LevelGeometry;

struct ReaderOptions {
    bool as_8bit = false;              // open_8bit
    bool correct_transparent = true;   // correct_transparent_color
};

enum class FormatKind { image, level, object_package };

struct FileExtension {
    std::string_view dot;    // lower case, with its dot: ".tr4"
    // This extension's own type line in the export's save dialog.
    Msg title;
};

// Readers leave the package unchanged when they throw or refuse.
using FormatReader = ReadResult (*)(const std::string& file_name, Package& package,
                                    const ReaderOptions& options, Progress& progress);
using FormatWriter = void (*)(const std::string& file_name, const Package& package,
                              Progress& progress);
// The reader of a level or object package from a file already open, so
// that one opening serves its kind, its pages and its walk.
using OpenFileReader = ReadResult (*)(InFile& in, Package& package, const ReaderOptions& options,
                                      Progress& progress);
// Writes the package into a copy of the base level, open as `base`; see
// level_export.h. It may step `progress` from two threads at once.
using LevelExporter = ExportResult (*)(const std::string& output_name, InFile& base, const Package& package,
                                       Progress& progress);

// One game version of a level format, told by the first four bytes of its
// files. Each format's file defines its versions beside its entry.
struct LevelVersion {
    std::string_view title;  // for people, in English: "Tomb Raider 4 level"
    bool (*signature)(const std::uint8_t* first_four);
    // The extensions that read files of this version (lower case, with the
    // dot); none for a version no format reads.
    std::span<const std::string_view> extensions;
    // What the user is told of such a file under another extension.
    Msg misnamed;
    // The texture references, walking every structure of the file; throws
    // Error (refuse_texture_walk) when the file cannot be walked. nullptr:
    // a version no format reads.
    LevelTextureRefs (*walk_textures)(InFile& in);
    // The number of the game (1-5) whose levels these are; 0 for others.
    int game = 0;
    // Everything of the level but its pages, texture references included,
    // by the same walk; throws Error as walk_textures does. nullptr with
    // walk_textures.
    LevelGeometry (*walk_level)(InFile& in) = nullptr;
};

// One entry of the registry. Each format's file defines its entry; the
// registry (format_registry.cpp) lists them in the order the dialogs show them.
struct FileFormat {
    FormatKind kind;
    std::span<const FileExtension> extensions;
    // The file dialogs' type line, in the user's language; formats with the
    // same title share one line.
    Msg filter_title;
    FormatReader read;
    FormatWriter write;       // nullptr: not written
    LevelExporter exporter;   // nullptr: no export into a base of this format
    // Levels: the game versions of this format's files, in the order their
    // signatures are tried. Empty for images and object packages.
    std::span<const LevelVersion* const> versions = {};
    // What `info` calls a file of this format whose first bytes name no
    // version its extension takes ("Tomb Raider 2/3 level"); empty: the one
    // version the extension takes names it.
    std::string_view kind_title = {};
    // Whether a file's first bytes (up to kSignatureBytes) are of this
    // format, whatever its name; nullptr for a format told by its extension
    // (TGA has no signature; a level's versions name their own kinds, and a
    // level under another level's extension is refused by name).
    bool (*signature)(std::span<const std::uint8_t> first) = nullptr;
    // What reading a byte of such a file costs against a byte of a plain one:
    // pictures that pack many pixels into few bytes cost more.
    int read_cost = 1;
    // Levels and object packages: `read` from a file already open.
    OpenFileReader read_open = nullptr;
};

// The first bytes of a file that signatures look at.
constexpr std::size_t kSignatureBytes = 8;
// The read cost of compressed pictures (PNG, JPEG).
constexpr int kPackedPictureCost = 8;

}  // namespace tilesmith
