// Textures of Tomb Raider 2 and 3 levels (.tr2).
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kTr23Format;
// Tomb Raider 2 and 3 (tr23_walk.cpp): their signatures and texture walks.
extern const LevelVersion* const kTr23Versions[2];

ReadResult open_tr23(InFile& in, Package& package, bool as_8bit, bool correct_transparent, Progress& progress);
ReadResult open_tr23(const std::string& file_name, Package& package, bool as_8bit,
                     bool correct_transparent, Progress& progress);

}  // namespace tilesmith
