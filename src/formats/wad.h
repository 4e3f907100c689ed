// The texture map of Tomb Raider object packages (.wad).
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kWadFormat;

ReadResult open_wad(InFile& in, Package& package, Progress& progress);
ReadResult open_wad(const std::string& file_name, Package& package, Progress& progress);

}  // namespace tilesmith
