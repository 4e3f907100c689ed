// What the format registry knows of one file format: its extensions, kind,
// reader, writer, level exporter and the file dialogs' type line.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/package.h"
#include "core/progress.h"
#include "formats/export_result.h"
#include "formats/read_result.h"
#include "strings/messages.h"

namespace tilesmith {

// The options menu items that readers consult.
struct ReaderOptions {
    bool as_8bit = false;              // opcje_8bit
    bool correct_transparent = true;   // opcje_ttcolor
};

enum class FormatKind { image, level, object_package };

struct FileExtension {
    std::string_view dot;    // lower case, with its dot: ".tr4"
    // This extension's own type line in the export's save dialog.
    Msg title;
};

// Readers leave the package unchanged when they throw or refuse.
using FormatReader = ReadResult (*)(const std::string& file_name, Package& package,
                                    const ReaderOptions& options, Progress& progress);
using FormatWriter = void (*)(const std::string& file_name, const Package& package,
                              Progress& progress);
// Writes the package into a copy of the base level; see level_export.h. It
// may step `progress` from two threads at once.
using LevelExporter = ExportResult (*)(const std::string& output_name, const std::string& base_name,
                              const Package& package, Progress& progress);

// One entry of the registry. Each format's file defines its entry; the
// registry (format_registry.cpp) lists them in the order the dialogs show them.
struct FileFormat {
    FormatKind kind;
    std::span<const FileExtension> extensions;
    // The file dialogs' type line, in the user's language; formats with the
    // same title share one line.
    Msg filter_title;
    FormatReader read;
    FormatWriter write;       // nullptr: not written
    LevelExporter exporter;   // nullptr: no export into a base of this format
};

}  // namespace tilesmith
