// The PNG pictures texture packs come in, decoded by our own loop: 8 bits a
// channel, truecolour with or without alpha, not interlaced.
#pragma once
#include <spng.h>

#include <cstdint>
#include <string>

#include "core/file_io.h"
#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// True for the pictures decode_truecolour takes.
bool decodes_as_truecolour(const spng_ihdr& ihdr);

// Where the IDAT chunks are in a file: the offset of the first, and of the
// chunk after the last.
struct IdatPlace {
    std::int64_t first = 0, after = 0;
};

// Decodes the pixels of `in`, whose header and chunks before the pixels were
// checked already, into `fresh`, sized for them; `key` is the transparency
// chunk's colour, if any. Throws Error naming the file when the IDAT chunks
// are cut or damaged; the chunks after them are left to the caller.
IdatPlace decode_truecolour(const std::string& file_name, InFile& in, const spng_ihdr& ihdr, const spng_trns* key,
                            Package& fresh, Progress& progress);

}  // namespace tilesmith
