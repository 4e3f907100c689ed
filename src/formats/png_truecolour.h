// The PNG pictures texture packs come in, decoded by our own loop: 8 bits a
// channel, truecolour with or without alpha, not interlaced.
#pragma once
#include <spng.h>

#include <string>

#include "core/file_io.h"
#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// True for the pictures decode_truecolour takes.
bool decodes_as_truecolour(const spng_ihdr& ihdr);

// Decodes the pixels of `in`, whose header and chunks before the pixels were
// checked already, into `fresh`, sized for them; `key` is the transparency
// chunk's colour, if any. Throws Error naming the file when the file is cut
// or damaged anywhere to its end.
void decode_truecolour(const std::string& file_name, InFile& in, const spng_ihdr& ihdr, const spng_trns* key,
                       Package& fresh, Progress& progress);

}  // namespace tilesmith
