// The game version of a level told by its first four bytes, from the versions
// the level formats of the registry carry, and what its extension makes of it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "formats/file_format.h"
#include "strings/messages.h"
#include "strings/phrase.h"

namespace tilesmith {

struct LevelKind {
    // The version whose signature the first bytes carry; nullptr when they
    // carry none (the extension is trusted then).
    const LevelVersion* version = nullptr;
    // Whether the version is read: false for one no format reads (remastered levels).
    bool taken = true;
    // Read as what its first bytes say, under the extension of another kind
    // (a Tomb Raider 4 level named .tr2): the user is told so.
    bool renamed = false;
};

// The kind the first `size` bytes of a file (four or more tell it) name under
// the lower-cased `extension`: of the versions with that signature, the one
// the extension takes, or else the first in registry order that some format
// reads (renamed), or else the first (not taken).
LevelKind level_kind_of(const std::uint8_t* first, std::size_t size, const std::string& extension);
// The same for a file on disk; throws Error when it cannot be read.
LevelKind read_level_kind(const std::string& file_name);

// What the user is told of a file of a level or object-package format whose
// first bytes name a version no format reads; nullopt for images (their
// readers know their own signatures) and for kinds that are read. Throws
// Error when the file cannot be read.
std::optional<Msg> misnamed_level(const FileFormat& format, const std::string& file_name);

// The format that reads a version; nullptr for one no format reads.
const FileFormat* format_reading(const LevelVersion& version);
// The note of a renamed kind (Msg::LevelReadAsItsKind, naming the file and
// its game); nullopt for the others.
std::optional<Phrase> renamed_note(const LevelKind& kind, const std::string& file_name);

// The version whose walk reads a file of `format` of this kind: its own, or
// for unknown first bytes the first version the extension takes; nullptr
// when there is none (images, object packages).
const LevelVersion* walked_version(const FileFormat& format, const LevelKind& kind, const std::string& extension);

// The kind for people, in English ("Tomb Raider 4 level").
std::string level_kind_title(const FileFormat& format, const LevelKind& kind, const std::string& extension);

}  // namespace tilesmith
