// Encoding, reading and writing of the 16-byte settings record.
#include "model/settings.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "core/dimensions.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/file_platform.h"
#include "strings/languages.h"

namespace tilesmith {

namespace {

constexpr std::size_t kRecordSize = std::tuple_size_v<SettingsRecord>;

// Only plain red-green-blue colours are meaningful here; the top byte is
// dropped so a stray value never reads as the "outside the package" colour.
constexpr PackedColor kColorMask = 0x00FFFFFFu;

void set_problem(std::string* problem, const std::string& text) {
    if (problem) *problem = text;
}

std::string in_folder(const std::string& dir, std::string_view file = kSettingsFile) {
    return utf8_name(path_from_utf8(dir) / path_from_utf8(file));
}

namespace fs = std::filesystem;

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path_from_utf8(path), ec);
}

bool is_folder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path_from_utf8(path), ec);
}

bool may_write(const fs::path& path) {
    std::error_code ec;
    return platform::may_write(path, ec);
}

// A file without write bits is kept as it is, also from root.
bool read_only_file(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path_from_utf8(path), ec);
    if (!fs::exists(status)) return false;
    constexpr fs::perms write_bits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & write_bits) == fs::perms::none || !may_write(path_from_utf8(path));
}

bool program_place_writable(const std::string& dir) {
    return !dir.empty() && is_folder(dir) && may_write(path_from_utf8(dir)) && !read_only_file(in_folder(dir));
}

// A folder not made yet counts when its nearest existing parent folder can be written.
bool user_place_writable(const std::string& dir) {
    if (dir.empty()) return false;
    for (std::filesystem::path p = path_from_utf8(dir);; p = p.parent_path()) {
        if (exists(utf8_name(p)))
            return is_folder(utf8_name(p)) && may_write(p) && !read_only_file(in_folder(dir));
        if (p == p.parent_path() || p.parent_path().empty()) return false;
    }
}

// The language byte keeps its first meaning, a Polish yes or no: Polish 1,
// English 0. A language added since is stored as its value, which a reader
// of the yes or no takes for Polish.
std::uint8_t stored_language(Language language) {
    switch (language) {
        case Language::Polish: return 1;
        case Language::English: return 0;
    }
    return std::uint8_t(static_cast<int>(language));
}

Language language_stored(std::uint8_t value) {
    if (value == 0) return Language::English;
    const Language language{value};
    if (value >= 2 && language_info(language).language == language) return language;
    return Language::Polish;
}

}  // namespace

SettingsRecord encode_settings(const Options& options) {
    SettingsRecord record{};
    record[0] = stored_language(options.language);
    record[1] = options.automove ? 1 : 0;
    record[2] = options.correct_transparent_color ? 1 : 0;
    record[3] = options.eight_bit ? 1 : 0;
    record[4] = options.flat_look ? 1 : 0;
    record[5] = options.show_coordinates ? 1 : 0;
    const PackedColor color = options.select_color & kColorMask;
    for (int i = 0; i < 4; ++i) record[8 + i] = std::uint8_t(color >> (8 * i));
    record[12] = options.grid_visible ? 1 : 0;
    // A step that cannot be read back would not fit a byte either.
    record[13] = std::uint8_t(is_grid_step(options.grid_step) ? options.grid_step : kDefaultGridStep);
    record[14] = options.texture_use ? 1 : 0;
    return record;
}

Options decode_settings(const SettingsRecord& record) {
    Options options;
    options.language = language_stored(record[0]);
    options.automove = record[1] != 0;
    options.correct_transparent_color = record[2] != 0;
    options.eight_bit = record[3] != 0;
    options.flat_look = record[4] != 0;
    options.show_coordinates = record[5] != 0;
    PackedColor color = 0;
    for (int i = 0; i < 4; ++i) color |= PackedColor(record[8 + i]) << (8 * i);
    options.select_color = color & kColorMask;
    options.grid_visible = record[12] != 0;
    options.grid_step = is_grid_step(record[13]) ? record[13] : kDefaultGridStep;
    options.texture_use = record[14] != 0;
    return options;
}

std::optional<Options> load_settings(const std::string& path, std::string* problem) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    // No file at all is the normal first start.
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    if (ec) {
        set_problem(problem, "Cannot read \"" + path + "\": " + ec.message());
        return std::nullopt;
    }
    // Opening a pipe or device for reading could block the start for ever.
    if (!fs::is_regular_file(status)) {
        set_problem(problem, "Cannot read \"" + path + "\": not a regular file");
        return std::nullopt;
    }
    try {
        InFile file(path);
        if (file.size() != std::int64_t(kRecordSize)) return std::nullopt;
        SettingsRecord record{};
        file.read_exact(record.data(), record.size());
        return decode_settings(record);
    } catch (const std::exception& e) {
        set_problem(problem, e.what());
        return std::nullopt;
    }
}

bool save_settings(const std::string& path, const Options& options, std::string* problem) {
    // A settings file marked read-only is the user's wish to keep it; the
    // rename below would otherwise replace it regardless of its mode.
    if (read_only_file(path)) {
        set_problem(problem, "Cannot write \"" + path + "\": the file is read-only");
        return false;
    }
    try {
        const SettingsRecord record = encode_settings(options);
        write_file_atomic(path, record.data(), record.size());
        return true;
    } catch (const std::exception& e) {
        set_problem(problem, e.what());
        return false;
    }
}

// The folder is chosen by config.dat for every per-user file, so that they never part.
std::string SettingsPlaces::read_path(std::string_view file) const {
    if (beside_program && program_place_writable(program_dir)) return in_folder(program_dir, file);
    if (!user_dir.empty() && (!beside_program || exists(in_folder(user_dir)))) return in_folder(user_dir, file);
    return in_folder(program_dir, file);
}

std::string SettingsPlaces::write_path(std::string_view file) const {
    if (beside_program && program_place_writable(program_dir)) return in_folder(program_dir, file);
    if (user_place_writable(user_dir)) return in_folder(user_dir, file);
    return {};
}

Language language_for_locale(std::string_view locale_name) {
    const std::string_view code = locale_name.substr(0, locale_name.find_first_of("_-.@"));
    return language_with_code(code).value_or(Language::English);
}

bool save_settings(const SettingsPlaces& places, const Options& options, std::string* problem) {
    const std::string path = places.write_path();
    if (path.empty()) {
        set_problem(problem, "Cannot write config.dat: neither the program's folder \"" + places.program_dir +
                                 "\" nor the user's folder \"" + places.user_dir + "\" can be written");
        return false;
    }
    if (path != in_folder(places.program_dir)) {
        std::error_code ec;
        std::filesystem::create_directories(path_from_utf8(places.user_dir), ec);
        if (ec) {
            set_problem(problem, "Cannot make \"" + places.user_dir + "\": " + ec.message());
            return false;
        }
    }
    return save_settings(path, options, problem);
}

}  // namespace tilesmith
