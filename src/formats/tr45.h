// Textures of Tomb Raider 4 and 5 levels (.tr4, .trc).
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"

namespace tilesmith {

extern const FileFormat kTr45Format;
// Tomb Raider 4 and 5 and their remastered levels (tr45_walk.cpp): their
// signatures and texture walks.
extern const LevelVersion* const kTr45Versions[4];

ReadResult open_tr45(InFile& in, Package& package, bool correct_transparent, Progress& progress);
ReadResult open_tr45(const std::string& file_name, Package& package, bool correct_transparent,
                     Progress& progress);

}  // namespace tilesmith
