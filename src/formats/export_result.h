// What a level export answers.
#pragma once
#include <optional>

#include "strings/messages.h"

namespace tilesmith {

enum class ExportResult {
    written,
    not_a_level,            // no format exports into a base of that extension: nothing done
    package_size_mismatch,  // refused: the package is not the size of the base's texture set
    output_is_base,         // refused: the output is the base file itself
    // Refused: the base's first bytes name a level of a kind its extension
    // does not take, or a remastered level.
    base_is_tr1, base_is_tr2, base_is_tr3, base_is_tr4_or_5, base_is_remastered_tr4, base_is_remastered_tr5,
};

// The message that tells why the export was refused; empty for the other results.
constexpr std::optional<Msg> refusal_message(ExportResult result) {
    switch (result) {
        case ExportResult::package_size_mismatch: return Msg::PackageSizeMismatch;
        case ExportResult::output_is_base: return Msg::OutputIsBase;
        case ExportResult::base_is_tr1: return Msg::LevelIsTr1;
        case ExportResult::base_is_tr2: return Msg::LevelIsTr2;
        case ExportResult::base_is_tr3: return Msg::LevelIsTr3;
        case ExportResult::base_is_tr4_or_5: return Msg::LevelIsTr45;
        case ExportResult::base_is_remastered_tr4: return Msg::RemasteredTr4;
        case ExportResult::base_is_remastered_tr5: return Msg::RemasteredTr5;
        case ExportResult::written:
        case ExportResult::not_a_level: break;
    }
    return std::nullopt;
}

}  // namespace tilesmith
