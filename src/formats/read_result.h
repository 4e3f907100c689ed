// What a package reader answers.
#pragma once
#include <optional>

#include "strings/messages.h"

namespace tilesmith {

struct ReadResult {
    // The package size in whole tiles (pixels div 64).
    int tile_columns = 0;
    int tile_rows = 0;
    // Empty when the file was read; otherwise the message that tells why it
    // was refused. A refused file leaves the package exactly as it was and
    // reports its current size.
    std::optional<Msg> refusal;
    bool refused() const { return refusal.has_value(); }
};

}  // namespace tilesmith
