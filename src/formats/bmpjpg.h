// BMP and JPEG files.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kBmpFormat;   // our own decoder
extern const FileFormat kJpegFormat;  // through libjpeg

// Reads a file of either format, by its extension; throws Error for any other.
ReadResult open_bmpjpg(const std::string& file_name, Package& package, Progress& progress);
void save_bmp(const std::string& file_name, const Package& package, Progress& progress);
void save_jpg(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
