// A file read once: one opening tells its kind by its first bytes, reads its
// pages and, for a level, walks every structure into the one value that the
// texture use, the 3D view, the export's check and note, `collect` and `info`
// read. Nothing else opens a level to learn about it.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"
#include "formats/level_geometry.h"
#include "formats/level_kind.h"
#include "formats/read_result.h"
#include "strings/phrase.h"

namespace tilesmith {

struct LevelFile {
    std::string name;
    const FileFormat* format = nullptr;  // nullptr: no format reads the file
    LevelKind kind;                      // what the first bytes name
    std::string kind_title;              // for people, in English; empty for images
    // The pages; nullopt when no format reads the file (or they were not asked for).
    std::optional<ReadResult> result;
    Package package;
    // The whole level; null for images, object packages and a level whose
    // structures cannot be walked. When only its rooms or objects cannot be
    // read, it holds the texture references alone and rooms_problem says why.
    std::shared_ptr<const LevelGeometry> level;
    // Why the texture use is unknown (Msg::TextureUseUnknown, naming the file).
    std::optional<Phrase> use_problem;
    // Why the rooms and objects are unknown (Msg::RoomsUnknown, naming the file).
    std::optional<Phrase> rooms_problem;
    // Why the walk stopped, in its own words (the reason of use_problem).
    std::optional<Phrase> walk_reason;

    bool is_level() const { return format && format->kind == FormatKind::level; }
    // Whether the walk reached the end of every structure (trailing bytes allowed).
    bool walked() const { return level && !use_problem; }
    // Bytes after the level's last structure (Msg::LevelBytesIgnored, naming the file); nullopt when none.
    std::optional<Phrase> ignored_bytes_warning() const;
    // Why an export into this level is refused before anything is written:
    // its walk stopped short (Msg::BaseNotWalked, naming it and why); nullopt
    // when it walked, or when no walk reads its kind.
    std::optional<Phrase> export_refusal() const;
};

enum class LevelParts {
    pages_and_walk,  // everything
    pages_only,      // the package alone (converting, collecting every tile)
    walk_only,       // the level's structures without its pages (the export's base)
};

// What is made of a level's value alone, with no file (its texture use, its
// scene), for a package of `pages` pages: run on the worker pool while the
// pages are decoded. `file` holds everything but its pages then.
using BesidePages = std::function<void(const LevelFile& file, int pages)>;

// Reads `file_name` once, as said above: its kind, then its pages and, on
// the worker pool meanwhile, its walk and `beside` (when the walk succeeded). Throws Error naming
// the file when it cannot be opened or its pages cannot be read; a walk that
// fails is kept as its problem, the pages stay read. A level whose first
// bytes name a kind its extension does not take is refused untouched, unwalked.
LevelFile read_level_file(const std::string& file_name, const ReaderOptions& options, Progress& progress,
                          LevelParts parts = LevelParts::pages_and_walk, const BesidePages& beside = {});
// The same from a file already open, which the caller may go on reading.
LevelFile read_level_file(InFile& in, const ReaderOptions& options, Progress& progress,
                          LevelParts parts = LevelParts::pages_and_walk, const BesidePages& beside = {});

// The pages of a level's texture set as its header (Tomb Raider 1: its walk)
// says, before they are read, and of an object package's texture map; nullopt
// for other formats. With `both_blocks` (the export's need), a Tomb Raider 4/5
// level must hold its 16-bit block too, an object package its whole map.
// Throws Error naming the file when the header is damaged.
std::optional<std::int64_t> level_pages(const FileFormat& format, InFile& in, bool both_blocks = false);

}  // namespace tilesmith
