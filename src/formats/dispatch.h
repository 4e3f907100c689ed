// The choice of reader and writer by the lower-cased extension of a file name.
#pragma once
#include <optional>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/read_result.h"

namespace tilesmith {

// The last dot of the last path component and what follows, A-Z lower-cased;
// empty when the name has no dot there.
std::string file_extension(const std::string& file_name);

// The options menu items that readers consult.
struct ReaderOptions {
    bool as_8bit = false;              // opcje_8bit
    bool correct_transparent = true;   // opcje_ttcolor
};

bool is_readable_extension(const std::string& extension);
bool is_writable_extension(const std::string& extension);

// Reads `file_name` into `package` with the reader its extension selects.
// nullopt when the extension is not recognised (nothing read). Throws Error on
// input/output and decoding failures, leaving the package unchanged.
std::optional<ReadResult> read_package(const std::string& file_name, Package& package,
                                       const ReaderOptions& options, Progress& progress);
// Writes with save_tga, save_bmp or save_jpg; false when the extension is not
// recognised (nothing written).
bool write_package(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
