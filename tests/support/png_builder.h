// PNG files written byte by byte for tests: any colour type, 8 or 16 bits,
// plain or Adam7-interlaced, and damaged ones.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace tilesmith {

struct PngPicture {
    int width = 0, height = 0;
    int bit_depth = 8;   // 8 or 16
    int colour_type = 2; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    bool interlaced = false;
    int filter = 0;      // the filter of every row, 0..4
    // The samples of pixel (x, y), each 0..255 (or 0..65535 at 16 bits), as
    // many as the colour type has channels; a palette index for type 3.
    std::function<std::vector<int>(int x, int y)> pixel;
    Bytes palette;       // PLTE: red, green, blue per entry
    Bytes transparency;  // tRNS
};

// The whole file.
Bytes png_bytes(const PngPicture& picture);
// A chunk with its length and CRC.
Bytes png_chunk(const char type[4], const Bytes& data);

}  // namespace tilesmith
