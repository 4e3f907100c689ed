// The format registry: a new format is its own file, defining its entry, and
// one line in kFormats below.
#include "formats/format_registry.h"

#include <algorithm>
#include <filesystem>

#include "core/error.h"
#include "core/file_io.h"
#include "formats/bmpjpg.h"
#include "formats/level_kind.h"
#include "formats/png.h"
#include "formats/tga.h"
#include "formats/tr1.h"
#include "formats/tr23.h"
#include "formats/tr45.h"
#include "formats/wad.h"

namespace tilesmith {

namespace {

constexpr const FileFormat* kFormats[] = {
    &kTgaFormat, &kBmpFormat, &kJpegFormat, &kPngFormat, &kTr23Format, &kTr45Format, &kTr1Format, &kWadFormat,
};

std::string join(const std::vector<std::string_view>& parts, std::string_view separator,
                 std::string_view prefix, std::string_view last_separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? last_separator : separator;
        text += prefix;
        text += parts[i];
    }
    return text;
}

std::string filter_line(std::string_view title, const std::vector<std::string_view>& extensions) {
    return std::string(title) + " (" + join(extensions, " ", "*", " ") + ")";
}

std::string_view title_of(const FileFormat& f, Language language) { return text_of(f.filter_title, language); }

// One line a type title of the formats serving the role, in registry order.
std::vector<std::string> filter_lines(FormatRole role, Language language) {
    std::vector<std::string_view> titles;
    for (const FileFormat* f : kFormats)
        if (serves(*f, role) && std::find(titles.begin(), titles.end(), title_of(*f, language)) == titles.end())
            titles.push_back(title_of(*f, language));
    std::vector<std::string> lines;
    for (std::string_view title : titles) {
        std::vector<std::string_view> extensions;
        for (const FileFormat* f : kFormats)
            if (serves(*f, role) && title_of(*f, language) == title)
                for (const FileExtension& e : f->extensions) extensions.push_back(e.dot);
        lines.push_back(filter_line(title, extensions));
    }
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : ";;") + line;
    return text;
}

}  // namespace

std::span<const FileFormat* const> file_formats() { return kFormats; }

std::string file_extension(const std::string& file_name) {
    const std::string name = utf8_name(path_from_utf8(file_name).filename());
    const auto dot = name.find_last_of('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return ext;
}

const FileFormat* find_format(std::string_view extension) {
    for (const FileFormat* f : kFormats)
        for (const FileExtension& e : f->extensions)
            if (e.dot == extension) return f;
    return nullptr;
}

const FileFormat* format_of(const std::string& file_name) { return find_format(file_extension(file_name)); }

const FileFormat* format_of_file(const std::string& file_name) {
    std::uint8_t first[kSignatureBytes] = {};
    std::size_t got = 0;
    try {
        InFile in(file_name);
        got = in.read_some(first, sizeof first);
    } catch (const Error&) {
    }
    return format_of_first_bytes({first, got}, file_name);
}

const FileFormat* format_of_first_bytes(std::span<const std::uint8_t> first, const std::string& file_name) {
    for (const FileFormat* f : kFormats)
        if (f->signature && f->signature(first)) return f;
    const FileFormat* named = format_of(file_name);
    // A level under another level's (or an object package's) extension is
    // read as what its first bytes say.
    if (named && named->kind != FormatKind::image) {
        const LevelKind kind = level_kind_of(first.data(), first.size(), file_extension(file_name));
        if (kind.renamed) return format_reading(*kind.version);
    }
    return named;
}

bool serves(const FileFormat& format, FormatRole role) {
    switch (role) {
        case FormatRole::read: return format.read != nullptr;
        case FormatRole::write: return format.write != nullptr;
        case FormatRole::export_base: return format.exporter != nullptr;
    }
    return false;
}

std::vector<std::string_view> extensions_for(FormatRole role) {
    std::vector<std::string_view> extensions;
    for (const FileFormat* f : kFormats)
        if (serves(*f, role))
            for (const FileExtension& e : f->extensions) extensions.push_back(e.dot);
    return extensions;
}

std::string extension_list(FormatRole role, std::string_view last_separator) {
    return join(extensions_for(role), " ", "", last_separator);
}

std::string default_suffix(FormatRole role) {
    const auto extensions = extensions_for(role);
    return extensions.empty() ? std::string() : std::string(extensions.front().substr(1));
}

std::string open_filter(Language language) {
    std::vector<std::string> lines{
        filter_line(text_of(Msg::AllSupportedFilter, language), extensions_for(FormatRole::read))};
    for (std::string& line : filter_lines(FormatRole::read, language)) lines.push_back(std::move(line));
    // Pictures are read by what they are, whatever their name.
    lines.push_back(filter_line(text_of(Msg::AllFilesFilter, language), {""}));
    return join_lines(lines);
}

std::string save_filter(Language language) { return join_lines(filter_lines(FormatRole::write, language)); }

std::string save_filter_line(std::string_view extension, Language language) {
    const FileFormat* format = find_format(extension);
    if (!format || !serves(*format, FormatRole::write)) return {};
    const std::string pattern = "*" + std::string(extension);
    for (std::string& line : filter_lines(FormatRole::write, language))
        if (line.find(pattern + " ") != std::string::npos || line.find(pattern + ")") != std::string::npos) return line;
    return {};
}

std::string export_base_filter(Language language) {
    // The dialog opens on its first line: with several types of base, that
    // line shows them all, so no base is hidden until the filter is changed.
    std::vector<std::string> lines = filter_lines(FormatRole::export_base, language);
    if (lines.size() > 1)
        lines.insert(lines.begin(), filter_line(text_of(Msg::AllSupportedFilter, language),
                                                extensions_for(FormatRole::export_base)));
    return join_lines(lines);
}

std::optional<SaveChoice> export_output_choice(std::string_view extension, Language language) {
    const FileFormat* format = find_format(extension);
    if (!format || !format->exporter) return std::nullopt;
    for (const FileExtension& e : format->extensions)
        if (e.dot == extension) {
            return SaveChoice{filter_line(text_of(e.title, language), {e.dot}), std::string(e.dot.substr(1))};
        }
    return std::nullopt;
}

}  // namespace tilesmith
