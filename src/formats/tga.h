// Uncompressed TGA files: 8-bit colour-mapped, 16- and 24-bit in; 24-bit out.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kTgaFormat;

ReadResult open_tga(const std::string& file_name, Package& package, Progress& progress);
void save_tga(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
