// BMP and JPEG files.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/read_result.h"

namespace tilesmith {

// Decodes by the extension: ".bmp" through Qt's image reader, ".jpg" through libjpeg.
ReadResult open_bmpjpg(const std::string& file_name, Package& package, Progress& progress);
void save_bmp(const std::string& file_name, const Package& package, Progress& progress);
void save_jpg(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
