// JPEG decoding and encoding through libjpeg's own interface.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

// Decodes a whole JPEG file into `fresh` (resized to the picture), a step a
// row. Throws Error on file and decoding errors; `fresh` may then hold part of
// the picture.
void read_jpeg(const std::string& file_name, Package& fresh, Progress& progress);
// Baseline colour JPEG at quality 100, otherwise the library's defaults. The
// gauge gets reset(4) and four steps. A previous file survives a failure.
void write_jpeg(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
