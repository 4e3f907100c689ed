// The platform's part of file access: what POSIX systems and Windows do
// differently (opening without blocking, temporary files, write permission,
// flushing to disk, replacing a file in one step). Everything else about files
// goes through std::filesystem. Errors come back as std::error_code.
#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tilesmith::platform {

// An open file and its size in bytes.
struct OpenedFile {
    std::FILE* file = nullptr;
    std::int64_t size = 0;
};
// Opens a regular file for reading. A pipe without a writer cannot hold the
// open; a folder gives errc::is_a_directory, any other kind of file
// errc::not_supported.
OpenedFile open_for_reading(const std::filesystem::path& path, std::error_code& ec);
// Moves the read position of `file` to `offset` bytes from the start.
bool seek(std::FILE* file, std::int64_t offset);
// The read position of `file`; -1 when it cannot be had.
std::int64_t tell(std::FILE* file);

// Creates a file of a new name in `folder`, open for writing; its name goes to `name`.
std::FILE* create_temp_file(const std::filesystem::path& folder, std::filesystem::path& name,
                            std::error_code& ec);
// True when the user may change the file `path`, or add files to the folder `path`.
bool may_write(const std::filesystem::path& path, std::error_code& ec);
// Gives the finished file `file` the permissions of `replaced`, or the user's
// defaults when there is no such file, and forces its bytes to the disk.
std::error_code finish_file(std::FILE* file, const std::filesystem::path& replaced);
// Puts `from` in place of `to` in one step: whoever opens `to` meanwhile gets
// the old file or the new one, never neither.
std::error_code replace_file(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace tilesmith::platform
