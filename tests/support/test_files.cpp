// Files for tests.
#include "support/test_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "core/file_names.h"

namespace tilesmith {

void write_bytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path_from_utf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

Bytes read_bytes(const std::string& path) {
    std::ifstream in(path_from_utf8(path), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes((std::istreambuf_iterator<char>(in)), {});
}

std::string TempDir::put(const std::string& name, const Bytes& bytes) const {
    const std::string path = file(name);
    write_bytes(path, bytes);
    return path;
}

bool file_exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path_from_utf8(path), ec));
}

std::filesystem::path unique_temp_path(const std::string& prefix) {
    static std::mt19937_64 random{std::random_device{}()};
    for (;;) {
        const auto path = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        if (!file_exists(utf8_name(path))) return path;
    }
}

TempDir::TempDir() {
    do path_ = utf8_name(unique_temp_path("tilesmith-"));
    while (!std::filesystem::create_directory(path_from_utf8(path_)));  // taken meanwhile: another name
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_from_utf8(path_), ec);
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_from_utf8(path_)))
        names.push_back(utf8_name(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace tilesmith
