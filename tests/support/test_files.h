// Files for tests: whole files as bytes, and a temporary folder per test.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tilesmith {

using Bytes = std::vector<std::uint8_t>;

void write_bytes(const std::string& path, const Bytes& bytes);
Bytes read_bytes(const std::string& path);
bool file_exists(const std::string& path);

// A name under the system's temporary folder that nothing has yet.
std::filesystem::path unique_temp_path(const std::string& prefix);

// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes the file `name` in the folder and answers its path.
    std::string put(const std::string& name, const Bytes& bytes) const;
    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

}  // namespace tilesmith
