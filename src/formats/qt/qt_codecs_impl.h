// The Qt picture codecs behind the table of formats/qt_codecs.h.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"

namespace tilesmith {

void qt_read_bmp(const std::string& file_name, Package& fresh, Progress& progress);

}  // namespace tilesmith
