// Reading and writing a package with the format its file name's extension names.
#pragma once
#include <optional>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/format_registry.h"
#include "formats/read_result.h"
#include "strings/phrase.h"

namespace tilesmith {

bool is_readable_extension(const std::string& extension);
// Whether a format reads the file: by its first bytes or its extension.
bool is_readable_file(const std::string& file_name);
bool is_writable_extension(const std::string& extension);

// What the user is told of a file no format reads: its name and the
// extensions that are read.
Phrase no_known_kind(const std::string& file_name);

// Reads `file_name` into `package` with the reader of its format (what the
// file is, else its extension). nullopt when no format reads it (nothing read). Throws Error on input/output
// and decoding failures, leaving the package unchanged.
std::optional<ReadResult> read_package(const std::string& file_name, Package& package,
                                       const ReaderOptions& options, Progress& progress);
// Writes with the writer of its format; false when no format writes the
// extension (nothing written).
bool write_package(const std::string& file_name, const Package& package, Progress& progress);

}  // namespace tilesmith
