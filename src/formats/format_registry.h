// The one list of file formats, and what the program asks of it: the format an
// extension names, the extensions of each role, the file dialogs' filters.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/file_format.h"
#include "strings/messages.h"

namespace tilesmith {

// Every format, in the order the file dialogs and messages list them.
std::span<const FileFormat* const> file_formats();

// The last dot of the last path component and what follows, A-Z lower-cased;
// empty when the name has no dot there.
std::string file_extension(const std::string& file_name);

// The format a lower-cased extension (with its dot) names; nullptr for none.
const FileFormat* find_format(std::string_view extension);
// The format of a file name's extension; nullptr for none.
const FileFormat* format_of(const std::string& file_name);
// The format of a file by what it is: the one whose signature its first bytes
// carry, else the one its extension names (or, for a level or object package's
// extension, the level format whose version the first bytes name); nullptr for
// neither. A file that cannot be read goes by its extension (its reader then says why).
const FileFormat* format_of_file(const std::string& file_name);
// The same from the first bytes (up to kSignatureBytes) of a file already open.
const FileFormat* format_of_first_bytes(std::span<const std::uint8_t> first, const std::string& file_name);

// What a format can be used for.
enum class FormatRole { read, write, export_base };
bool serves(const FileFormat& format, FormatRole role);

// The extensions of the formats serving the role, in registry order.
std::vector<std::string_view> extensions_for(FormatRole role);
// Those extensions as text: ".tga .bmp .jpg", or with `last_separator` before
// the last one (".tr2 .tr4 or .trc").
std::string extension_list(FormatRole role, std::string_view last_separator = " ");
// The save dialogs' default suffix of the role: its first extension, no dot.
std::string default_suffix(FormatRole role);

// The file dialogs' filters, Qt's "Title (*.a *.b);;..." form, with the type
// lines that follow the language in `language`.
// Every readable extension first, then a line a type, then all files.
std::string open_filter(Language language = Language::Polish);
std::string save_filter(Language language = Language::Polish);  // a line a writable type
// The line of save_filter that holds the extension (the Save dialog starts on
// the type last saved as); empty when no writer takes it.
std::string save_filter_line(std::string_view extension, Language language = Language::Polish);
// Every base extension first when there are several types, then a line a type of base level.
std::string export_base_filter(Language language = Language::Polish);
// The export's save dialog for a base of the given extension: that extension's
// own type line and its suffix; nullopt when no exporter takes it.
struct SaveChoice {
    std::string filter;
    std::string suffix;
};
std::optional<SaveChoice> export_output_choice(std::string_view extension,
                                               Language language = Language::Polish);

}  // namespace tilesmith
