// The 16-byte settings record config.dat, beside the executable or in the user's folder.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/options.h"

namespace tilesmith {

using SettingsRecord = std::array<std::uint8_t, 16>;

// Byte 0 the language (1 Polish, 0 English, n the registry's Language{n} from
// 2 on), 1 automove, 2 correct_transparent_color, 3 eight_bit, 4 flat_look,
// 5 show_coordinates, 6-7 zero, 8-11 select_color little-endian, 12 grid_visible,
// 13 grid_step, 14 texture_use, 15 zero.
SettingsRecord encode_settings(const Options& options);
// Any non-zero flag byte counts as checked, a language byte not registered as
// Polish; a grid step other than 8, 16, 32,
// 64 or 128 becomes 64.
Options decode_settings(const SettingsRecord& record);

// nullopt when the file is missing or not exactly 16 bytes (defaults apply).
// A file that exists but cannot be read also gives nullopt; `problem` then
// receives a one-line description for stderr.
std::optional<Options> load_settings(const std::string& path, std::string* problem = nullptr);
// Writes through a temporary file and a rename. Returns false and fills
// `problem` when it cannot be written (read-only folder); never throws.
bool save_settings(const std::string& path, const Options& options, std::string* problem = nullptr);

// Where config.dat is kept: in the program's folder while it can be written
// there, as a portable copy does; otherwise, as for an installed copy, in the
// user's configuration folder, with the same 16 bytes.
// Every per-user file (config.dat, the per-user state) lives in the one folder
// this chooses.
constexpr std::string_view kSettingsFile = "config.dat";
// On macOS the program's folder is never used: a signed application bundle
// must not change, so the per-user folder always holds the file.
#ifdef __APPLE__
constexpr bool kSettingsBesideProgram = false;
#else
constexpr bool kSettingsBesideProgram = true;
#endif

struct SettingsPlaces {
    std::string program_dir;
    std::string user_dir;  // empty when the platform names none
    bool beside_program = kSettingsBesideProgram;  // whether a portable copy is possible at all

    // The file read at start: the program folder's while it can be written
    // there; otherwise the user's, or the program folder's while the user has none.
    std::string read_path(std::string_view file = kSettingsFile) const;
    // The file written at close; empty when neither place can be written.
    std::string write_path(std::string_view file = kSettingsFile) const;
};

// The language at the first start, when there are no settings yet: the
// registered language of the desktop locale's language ("pl", "pl_PL.UTF-8",
// "pl-PL": Polish), English for any other.
Language language_for_locale(std::string_view locale_name);

// Writes to places.write_path(), making the user's folder first when needed.
// Returns false and fills `problem` when neither place takes the file.
bool save_settings(const SettingsPlaces& places, const Options& options, std::string* problem = nullptr);

}  // namespace tilesmith
