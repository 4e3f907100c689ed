// The kind of a level told by its first four bytes, and the extensions that take each kind.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "formats/file_format.h"
#include "strings/messages.h"

namespace tilesmith {

enum class LevelKind {
    unknown,         // first bytes of no known kind: the extension is trusted
    tr1,             // 0x00000020
    tr2,             // 0x0000002D
    tr3,             // 0xFF080038, 0xFF180038, 0xFF180034
    tr4,             // "TR4\0" in .tr4
    tr5,             // "TR4\0" in .trc
    tr4_or_5,        // "TR4\0" under any other extension: the bytes do not tell which
    tr4_remastered,  // "TRX4"
    tr5_remastered,  // "TRX5"
};

// The kind the first `size` bytes of a file (four or more tell it) name under
// the lower-cased `extension`.
LevelKind level_kind_of(const std::uint8_t* first, std::size_t size, const std::string& extension);
// The same for a file on disk; throws Error when it cannot be read.
LevelKind read_level_kind(const std::string& file_name);

// Whether files of `extension` are read as levels of that kind: unknown kinds
// are (the extension is trusted), remastered levels never.
bool extension_takes(const std::string& extension, LevelKind kind);
// The kind of a file of a level or object-package format when its extension
// does not take it; nullopt for images (their readers know their own
// signatures) and for kinds the extension takes. Throws Error when the file
// cannot be read.
std::optional<LevelKind> misnamed_level_kind(const FileFormat& format, const std::string& file_name);
// What the user is told of a level of a kind its extension does not take.
Msg misnamed_kind_message(LevelKind kind);

// The kind for people, in English ("Tomb Raider 4 level"); for an unknown kind
// the one the extension stands for.
std::string level_kind_title(LevelKind kind, const std::string& extension);

}  // namespace tilesmith
