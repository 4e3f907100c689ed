// The window's file kinds, from the format registry.
#include "model/file_kinds.h"

#include "formats/dispatch.h"
#include "formats/format_registry.h"
#include "formats/supported_games.h"

namespace tilesmith {

std::string open_dialog_filter(Language language) { return open_filter(language); }
std::string save_dialog_filter(Language language) { return save_filter(language); }
std::string save_dialog_suffix() { return default_suffix(FormatRole::write); }
std::string save_dialog_line(const std::string& extension, Language language) {
    return save_filter_line(extension, language);
}

std::string written_extensions() {
    std::string list;
    for (const std::string_view e : extensions_for(FormatRole::write)) {
        if (!list.empty()) list += ", ";
        list += e;
    }
    return list;
}

std::string export_base_filter_text(Language language) { return export_base_filter(language); }
std::string export_base_suffix() { return default_suffix(FormatRole::export_base); }

std::optional<DialogChoice> export_output_dialog(const std::string& base, Language language) {
    const auto choice = export_output_choice(file_extension(base), language);
    if (!choice) return std::nullopt;
    return DialogChoice{choice->filter, choice->suffix};
}

bool opens_file_name(const std::string& file_name) {
    const FileFormat* format = format_of(file_name);
    return format && serves(*format, FormatRole::read);
}

std::string games_supported() { return supported_games(); }

}  // namespace tilesmith
