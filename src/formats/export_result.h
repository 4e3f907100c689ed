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
};

// The message that tells why the export was refused; empty for the other results.
constexpr std::optional<Msg> refusal_message(ExportResult result) {
    switch (result) {
        case ExportResult::package_size_mismatch: return Msg::PackageSizeMismatch;
        case ExportResult::output_is_base: return Msg::OutputIsBase;
        case ExportResult::written:
        case ExportResult::not_a_level: break;
    }
    return std::nullopt;
}

}  // namespace tilesmith
