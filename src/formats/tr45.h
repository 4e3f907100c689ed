// Textures of Tomb Raider 4 and 5 levels (.tr4, .trc).
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kTr45Format;

ReadResult open_tr45(const std::string& file_name, Package& package, bool correct_transparent,
                     Progress& progress);

}  // namespace tilesmith
