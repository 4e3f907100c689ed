// Files as raw bytes: a reader that treats short reads as no error, an atomic
// writer that replaces its target only when it is complete, and file identity.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

#include "core/error.h"
#include "core/file_names.h"

namespace tilesmith {

// File names reach this layer as UTF-8 text (see core/file_names.h).

// A file opened for reading only. Errors of the file system throw Error with a
// message naming the file; reading past the end is not an error.
class InFile {
public:
    explicit InFile(const std::string& path);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    const std::string& path() const { return path_; }
    std::int64_t size() const { return size_; }
    void seek(std::int64_t offset);
    // Reads up to `count` bytes; returns how many were read (fewer at the end).
    std::size_t read_some(void* buffer, std::size_t count);
    // Reads exactly `count` bytes or throws Error("... is truncated").
    void read_exact(void* buffer, std::size_t count);
    // Reads exactly `count` bytes from `offset` (or throws as read_exact)
    // and leaves the reading position where it was, so that one thread may
    // read here while another reads on: every call holds the file alone.
    void read_at(std::int64_t offset, void* buffer, std::size_t count);

private:
    void seek_locked(std::int64_t offset);
    std::size_t read_some_locked(void* buffer, std::size_t count);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::int64_t size_ = 0;
    std::mutex mutex_;
};

// Writes a temporary file beside `path` and renames it over `path` in commit().
// Destroyed without commit() (an error part-way), it removes the temporary file
// and leaves any previous file at `path` untouched. A symbolic link at `path`
// is followed (the file it leads to is replaced, the link stays); a folder, a
// device or pipe, or an existing file without write permission is refused with
// Error at construction.
class AtomicOutFile {
public:
    explicit AtomicOutFile(const std::string& path);
    ~AtomicOutFile();
    AtomicOutFile(const AtomicOutFile&) = delete;
    AtomicOutFile& operator=(const AtomicOutFile&) = delete;

    void write(const void* data, std::size_t count);
    void commit();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::filesystem::path target_path_, temp_path_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

// Writes the whole buffer to `path` atomically.
void write_file_atomic(const std::string& path, const void* data, std::size_t count);
// True when both names reach the same existing file, whatever the spelling,
// symbolic links or hard links.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);
bool same_file(const std::string& a, const std::string& b);
// The text of errno for messages.
std::string system_error_text(int err);
// A failure the system reported as `ec`, as errno_error() words it.
Error system_error(Msg message, const std::string& file, std::error_code ec);

}  // namespace tilesmith
