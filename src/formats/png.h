// PNG pictures: read through libspng, written by our own chunk writer with
// libdeflate's compression.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

// Transparency maps onto the program's transparent colour: a pixel with alpha
// below 128 reads as magenta; written, magenta is the transparent colour of
// the file's transparency chunk and every other pixel opaque.
extern const FileFormat kPngFormat;

ReadResult open_png(const std::string& file_name, Package& package, Progress& progress);
void save_png(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
