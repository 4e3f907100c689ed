// What a package reader answers.
#pragma once
#include <optional>

#include "core/dimensions.h"
#include "core/package.h"
#include "strings/messages.h"

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
    bool refused() const { return refusal.has_value(); }
};

// The answer of a reader that leaves `package` as it is now.
inline ReadResult read_result_of(const Package& package, std::optional<Msg> refusal = std::nullopt) {
    return ReadResult{package.width() / kTileSide, package.height() / kTileSide, refusal};
}

}  // namespace tilesmith
