// What a package reader answers.
#pragma once

namespace tilesmith {

struct ReadResult {
    // The package size in whole tiles (pixels div 64).
    int tile_columns = 0;
    int tile_rows = 0;
    // -1 when the file was read; otherwise the even base entry of the string
    // table that tells why it was refused (6 or 8). A refused file leaves the
    // package exactly as it was and reports its current size.
    int refusal = -1;
    bool refused() const { return refusal >= 0; }
};

}  // namespace tilesmith
