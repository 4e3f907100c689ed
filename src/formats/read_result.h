// What a package reader answers.
#pragma once
#include <optional>
#include <string>

#include "core/dimensions.h"
#include "core/package.h"
#include "strings/messages.h"
#include "strings/phrase.h"

namespace tilesmith {

struct ReadResult {
    // The package size in whole tiles.
    int tile_columns = 0;
    int tile_rows = 0;
    // Empty when the file was read; otherwise the message that tells why it
    // was refused. A refused file leaves the package exactly as it was and
    // reports its current size.
    std::optional<Msg> refusal;
    // A file refused before it was read at all (a level of another kind than
    // its extension takes): the open command changes nothing then.
    bool untouched = false;
    // A file that ends before the pixels it announces is read as far as it
    // goes, its missing rows in the transparent colour; this tells the user so
    // (Msg::RowsMissing, naming the file). The command-line tool refuses it.
    std::optional<Phrase> warning;
    // A file read whole that the user is told about all the same (a level read
    // as what its first bytes say under another kind's extension).
    std::optional<Phrase> note;
    // The file read; read_package sets it, so that the refusal can name it.
    std::string file_name;

    bool refused() const { return refusal.has_value(); }
    // The refusal as the user reads it, naming the file (refused() only).
    Phrase refusal_text() const { return Phrase(Msg::FileRefused).arg(file_name).arg(*refusal); }
};

// The answer of a reader that leaves `package` as it is now.
inline ReadResult read_result_of(const Package& package, std::optional<Msg> refusal = std::nullopt) {
    ReadResult result;
    result.tile_columns = package.width() / kTileSide;
    result.tile_rows = package.height() / kTileSide;
    result.refusal = refusal;
    return result;
}

// The answer of a reader that read `package` from a file that ended
// `missing_rows` rows early (none: a whole file).
inline ReadResult read_result_of(const Package& package, const std::string& file_name, int missing_rows) {
    ReadResult result = read_result_of(package);
    if (missing_rows > 0) result.warning = Phrase(Msg::RowsMissing).arg(file_name).arg(missing_rows);
    return result;
}

}  // namespace tilesmith
