// The texture map of Tomb Raider object packages (.wad), read and written back.
#pragma once
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"
#include "formats/level_format.h"

namespace tilesmith {

extern const FileFormat kWadFormat;

ReadResult open_wad(InFile& in, Package& package, Progress& progress);
ReadResult open_wad(const std::string& file_name, Package& package, Progress& progress);

// The layout of an object package an export writes into: its whole texture
// map must lie inside the file, else Error Msg::BaseNotWalked names it and
// why (a damaged header throws the reader's Error).
WadLayout wad_base_layout(InFile& base);
// Writes the package into a copy of the object package `base` as
// `output_name`: the package's pages replace its texture map page for page,
// every other byte is the base's. package_size_mismatch (nothing written)
// when the package is not the size of the map.
ExportResult ex_wad(const std::string& output_name, InFile& base, const Package& package, Progress& progress);

}  // namespace tilesmith
