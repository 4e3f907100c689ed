// What the window's file dialogs offer and which files it takes, from the
// format registry: filters, suffixes and extensions by role.
#pragma once
#include <optional>
#include <string>

#include "strings/messages.h"

namespace tilesmith {

// The open dialog's filter: every readable type first, then a line a type.
std::string open_dialog_filter(Language language);
// The save dialog's filter, its default suffix, and its line of the type `extension` (".png").
std::string save_dialog_filter(Language language);
std::string save_dialog_suffix();
std::string save_dialog_line(const std::string& extension, Language language);
// The types no writer takes are refused: the list of those that are ("tga, bmp, ...").
std::string written_extensions();
// The export's base levels: the filter and the suffix of the open dialog.
std::string export_base_filter_text(Language language);
std::string export_base_suffix();
// The save dialog of the export's output, following the base's type; none
// when no exporter takes the base.
struct DialogChoice {
    std::string filter;
    std::string suffix;
};
std::optional<DialogChoice> export_output_dialog(const std::string& base, Language language);
// A file the open commands read, by its name's extension alone (the file is
// not touched: its first bytes are read by the open).
bool opens_file_name(const std::string& file_name);
// The games whose levels are read, for the author box.
std::string games_supported();

}  // namespace tilesmith
