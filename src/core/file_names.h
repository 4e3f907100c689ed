// File names as the program keeps them: UTF-8 text in std::string on every
// system. std::filesystem::path is made from one only by path_from_utf8(), as
// a path made straight from a std::string reads it in the system's code page
// on Windows; a path is named again by utf8_name() or generic_utf8_name().
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace tilesmith {

std::filesystem::path path_from_utf8(std::string_view name);
// The name in UTF-8, with the system's own separators.
std::string utf8_name(const std::filesystem::path& path);
// The name in UTF-8 with '/' between folders on every system, as the tool
// writes the names it finds itself.
std::string generic_utf8_name(const std::filesystem::path& path);

}  // namespace tilesmith
