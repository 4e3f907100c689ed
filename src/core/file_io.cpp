// Raw file access for readers and writers.
#include "core/file_io.h"

#include <cerrno>
#include <cstring>

#include "core/file_platform.h"
#include "core/progress.h"

namespace tilesmith {

namespace fs = std::filesystem;

std::string system_error_text(int err) { return std::strerror(err); }

Error system_error(Msg message, const std::string& file, std::error_code ec) {
    if (ec == std::errc::is_a_directory) return Error(message, file, Msg::ItIsAFolder);
    if (ec == std::errc::not_supported) return Error(message, file, Msg::NotARegularFile);
    const std::error_condition condition = ec.default_error_condition();
    if (condition.category() == std::generic_category()) return errno_error(message, file, condition.value());
    return Error(message, file, ec.message());
}

InFile::InFile(const std::string& path) : path_(path) {
    std::error_code ec;
    const platform::OpenedFile opened = platform::open_for_reading(path_from_utf8(path), ec);
    if (ec) throw system_error(Msg::CannotOpenFile, path_, ec);
    file_ = opened.file;
    size_ = opened.size;
}

InFile::~InFile() {
    if (file_) std::fclose(file_);
}

void InFile::seek_locked(std::int64_t offset) {
    if (offset < 0 || !platform::seek(file_, offset)) throw Error(Msg::CannotReadFile, path_, Msg::SeekFailed);
}

std::size_t InFile::read_some_locked(void* buffer, std::size_t count) {
    const std::size_t got = std::fread(buffer, 1, count, file_);
    if (got < count && std::ferror(file_))
        throw errno_error(Msg::CannotReadFile, path_, errno);
    return got;
}

void InFile::seek(std::int64_t offset) {
    const std::lock_guard lock(mutex_);
    seek_locked(offset);
}

std::size_t InFile::read_some(void* buffer, std::size_t count) {
    const std::lock_guard lock(mutex_);
    return read_some_locked(buffer, count);
}

void InFile::read_exact(void* buffer, std::size_t count) {
    if (read_some(buffer, count) != count) throw Error(Msg::FileTruncated, path_);
}

void InFile::read_at(std::int64_t offset, void* buffer, std::size_t count) {
    const std::lock_guard lock(mutex_);
    const std::int64_t here = platform::tell(file_);
    if (here < 0) throw Error(Msg::CannotReadFile, path_, Msg::SeekFailed);
    seek_locked(offset);
    const std::size_t got = read_some_locked(buffer, count);
    seek_locked(here);
    if (got != count) throw Error(Msg::FileTruncated, path_);
}

namespace {

// Where a save through `path` lands: the file a symbolic link leads to, so the
// link survives the save. A folder, a device or pipe, or an existing file we
// may not write is refused here, before any work; the replacement at the end
// would otherwise replace it.
fs::path save_target(const fs::path& path, const std::string& name) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        fs::path real = fs::canonical(path, ec);
        if (!ec) target = std::move(real);
    }
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status)) return target;  // a new file
    if (fs::is_directory(status)) throw Error(Msg::CannotWriteFile, name, Msg::ItIsAFolder);
    if (!fs::is_regular_file(status)) throw Error(Msg::CannotWriteFile, name, Msg::NotARegularFile);
    if (!platform::may_write(target, ec)) throw system_error(Msg::CannotWriteFile, name, ec);
    return target;
}

}  // namespace

AtomicOutFile::AtomicOutFile(const std::string& path)
    : path_(path), target_path_(save_target(path_from_utf8(path), path_)) {
    // Beside the target, so that the replacement stays on one file system.
    std::error_code ec;
    file_ = platform::create_temp_file(target_path_.parent_path(), temp_path_, ec);
    if (!file_) throw system_error(Msg::CannotWriteFile, path_, ec);
}

AtomicOutFile::~AtomicOutFile() {
    if (file_) std::fclose(file_);
    std::error_code ignored;
    if (!committed_) fs::remove(temp_path_, ignored);
}

void AtomicOutFile::write(const void* data, std::size_t count) {
    if (count && std::fwrite(data, 1, count, file_) != count)
        throw errno_error(Msg::CannotWriteFile, path_, errno);
}

void AtomicOutFile::commit() {
    if (const std::error_code ec = platform::finish_file(file_, target_path_))
        throw system_error(Msg::CannotWriteFile, path_, ec);
    const int rc = std::fclose(file_);
    file_ = nullptr;
    if (rc != 0) throw errno_error(Msg::CannotWriteFile, path_, errno);
    // A job asked to stop ends here, its temporary removed by the destructor.
    point_of_no_return();
    if (const std::error_code ec = platform::replace_file(temp_path_, target_path_))
        throw system_error(Msg::CannotWriteFile, path_, ec);
    committed_ = true;
}

void write_file_atomic(const std::string& path, const void* data, std::size_t count) {
    AtomicOutFile out(path);
    out.write(data, count);
    out.commit();
}

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool same_file(const std::string& a, const std::string& b) { return same_file(path_from_utf8(a), path_from_utf8(b)); }

}  // namespace tilesmith
