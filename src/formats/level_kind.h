// The game version of a level told by its first four bytes, from the versions
// the level formats of the registry carry, and what its extension makes of it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "formats/file_format.h"
#include "strings/messages.h"

namespace tilesmith {

struct LevelKind {
    // The version whose signature the first bytes carry; nullptr when they
    // carry none (the extension is trusted then).
    const LevelVersion* version = nullptr;
    // Whether the extension reads that version: false for a version that
    // only other extensions take, or none (remastered levels).
    bool taken = true;
};

// The kind the first `size` bytes of a file (four or more tell it) name under
// the lower-cased `extension`: of the versions with that signature, the one
// the extension takes, or else the first in registry order.
LevelKind level_kind_of(const std::uint8_t* first, std::size_t size, const std::string& extension);
// The same for a file on disk; throws Error when it cannot be read.
LevelKind read_level_kind(const std::string& file_name);

// What the user is told of a file of a level or object-package format whose
// first bytes name a version its extension does not take; nullopt for images
// (their readers know their own signatures) and for kinds the extension
// takes. Throws Error when the file cannot be read.
std::optional<Msg> misnamed_level(const FileFormat& format, const std::string& file_name);

// The version whose walk reads a file of `format` of this kind: its own, or
// for unknown first bytes the first version the extension takes; nullptr
// when there is none (images, object packages).
const LevelVersion* walked_version(const FileFormat& format, const LevelKind& kind, const std::string& extension);

// The kind for people, in English ("Tomb Raider 4 level").
std::string level_kind_title(const FileFormat& format, const LevelKind& kind, const std::string& extension);

}  // namespace tilesmith
