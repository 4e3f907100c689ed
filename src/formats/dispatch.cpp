// The open and save commands' choice of reader and writer, from the registry.
#include "formats/dispatch.h"

#include "core/error.h"
#include "formats/level_kind.h"

namespace tilesmith {

bool is_readable_extension(const std::string& extension) {
    const FileFormat* format = find_format(extension);
    return format && serves(*format, FormatRole::read);
}

bool is_readable_file(const std::string& file_name) {
    const FileFormat* format = format_of_file(file_name);
    return format && serves(*format, FormatRole::read);
}

Phrase no_known_kind(const std::string& file_name) {
    return Phrase(Msg::NoKnownKind).arg(file_name).arg(extension_list(FormatRole::read));
}

bool is_writable_extension(const std::string& extension) {
    const FileFormat* format = find_format(extension);
    return format && serves(*format, FormatRole::write);
}

std::optional<ReadResult> read_package(const std::string& file_name, Package& package,
                                       const ReaderOptions& options, Progress& progress) {
    const FileFormat* format = format_of_file(file_name);
    if (!format || !format->read) return std::nullopt;
    ReadResult result;
    if (const auto why = misnamed_level(*format, file_name)) {
        result = read_result_of(package, *why);
        result.untouched = true;
    } else {
        result = naming_file(Msg::CannotReadFile, file_name,
                             [&] { return format->read(file_name, package, options, progress); });
        if (format->kind != FormatKind::image) result.note = renamed_note(read_level_kind(file_name), file_name);
    }
    result.file_name = file_name;
    return result;
}

bool write_package(const std::string& file_name, const Package& package, Progress& progress) {
    const FileFormat* format = format_of(file_name);
    if (!format || !format->write) return false;
    naming_file(Msg::CannotWriteFile, file_name, [&] { format->write(file_name, package, progress); });
    return true;
}

}  // namespace tilesmith
