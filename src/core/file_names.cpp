// UTF-8 file names to and from std::filesystem::path.
#include "core/file_names.h"

#include <algorithm>

namespace tilesmith {

namespace fs = std::filesystem;

fs::path path_from_utf8(std::string_view name) {
    return fs::path(std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size()));
}

std::string utf8_name(const fs::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::string generic_utf8_name(const fs::path& path) {
    // Only the separators change: repeated ones and "." stay as they were.
    std::string name = utf8_name(path);
    if constexpr (fs::path::preferred_separator != '/') std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

}  // namespace tilesmith
