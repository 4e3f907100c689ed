// Textures of Tomb Raider 2 and 3 levels (.tr2).
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kTr23Format;

ReadResult open_tr23(const std::string& file_name, Package& package, bool as_8bit,
                     bool correct_transparent, Progress& progress);

}  // namespace tilesmith
