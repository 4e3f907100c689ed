// Level kinds by their first four bytes.
#include "formats/level_kind.h"

#include <cstring>

#include "core/checked.h"
#include "core/file_io.h"
#include "formats/format_registry.h"

namespace tilesmith {

LevelKind level_kind_of(const std::uint8_t* first, std::size_t size, const std::string& extension) {
    if (size < 4) return LevelKind::unknown;
    if (std::memcmp(first, "TRX4", 4) == 0) return LevelKind::tr4_remastered;
    if (std::memcmp(first, "TRX5", 4) == 0) return LevelKind::tr5_remastered;
    if (std::memcmp(first, "TR4\0", 4) == 0) {
        if (extension == ".tr4") return LevelKind::tr4;
        if (extension == ".trc") return LevelKind::tr5;
        return LevelKind::tr4_or_5;
    }
    switch (read_u32le(first)) {
        case 0x00000020u: return LevelKind::tr1;
        case 0x0000002Du: return LevelKind::tr2;
        case 0xFF080038u:
        case 0xFF180038u:
        case 0xFF180034u: return LevelKind::tr3;
        default: return LevelKind::unknown;
    }
}

LevelKind read_level_kind(const std::string& file_name) {
    InFile in(file_name);
    std::uint8_t first[4] = {};
    const std::size_t got = in.read_some(first, sizeof first);
    return level_kind_of(first, got, file_extension(file_name));
}

bool extension_takes(const std::string& e, LevelKind kind) {
    switch (kind) {
        case LevelKind::unknown: return true;
        case LevelKind::tr1: return e == ".phd" || e == ".tub";
        case LevelKind::tr2:
        case LevelKind::tr3: return e == ".tr2";
        case LevelKind::tr4: return e == ".tr4";
        case LevelKind::tr5: return e == ".trc";
        case LevelKind::tr4_or_5:
        case LevelKind::tr4_remastered:
        case LevelKind::tr5_remastered: return false;
    }
    return false;
}

std::optional<LevelKind> misnamed_level_kind(const FileFormat& format, const std::string& file_name) {
    if (format.kind == FormatKind::image) return std::nullopt;
    const std::string extension = file_extension(file_name);
    const LevelKind kind = read_level_kind(file_name);
    if (extension_takes(extension, kind)) return std::nullopt;
    return kind;
}

Msg misnamed_kind_message(LevelKind kind) {
    switch (kind) {
        case LevelKind::tr1: return Msg::LevelIsTr1;
        case LevelKind::tr2: return Msg::LevelIsTr2;
        case LevelKind::tr3: return Msg::LevelIsTr3;
        case LevelKind::tr4_remastered: return Msg::RemasteredTr4;
        case LevelKind::tr5_remastered: return Msg::RemasteredTr5;
        // "TR4\0" outside .tr4 and .trc: the bytes do not tell 4 from 5.
        case LevelKind::tr4:
        case LevelKind::tr5:
        case LevelKind::tr4_or_5:
        case LevelKind::unknown: break;
    }
    return Msg::LevelIsTr45;
}

std::string level_kind_title(LevelKind kind, const std::string& e) {
    switch (kind) {
        case LevelKind::tr1: return "Tomb Raider 1 level";
        case LevelKind::tr2: return "Tomb Raider 2 level";
        case LevelKind::tr3: return "Tomb Raider 3 level";
        case LevelKind::tr4: return "Tomb Raider 4 level";
        case LevelKind::tr5: return "Tomb Raider 5 level";
        case LevelKind::tr4_or_5: return "Tomb Raider 4 or 5 level";
        case LevelKind::tr4_remastered: return "remastered Tomb Raider 4 level";
        case LevelKind::tr5_remastered: return "remastered Tomb Raider 5 level";
        case LevelKind::unknown: break;
    }
    if (e == ".phd" || e == ".tub") return "Tomb Raider 1 level";
    if (e == ".tr2") return "Tomb Raider 2/3 level";
    if (e == ".tr4") return "Tomb Raider 4 level";
    if (e == ".trc") return "Tomb Raider 5 level";
    if (e == ".wad") return "Tomb Raider object package";
    return "level";
}

}  // namespace tilesmith
