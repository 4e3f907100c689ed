// Raw file access for readers and writers.
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/error.h"
#include "core/progress.h"

namespace tilesmith {

std::string system_error_text(int err) { return std::strerror(err); }

InFile::InFile(const std::string& path) : path_(path) {
    // Opened without blocking, so that a pipe with no writer cannot hold us at
    // the open; anything but a regular file is refused before it is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw errno_error(Msg::CannotOpenFile, path, errno);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        throw errno_error(Msg::CannotReadFile, path, err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Error(Msg::CannotOpenFile, path, S_ISDIR(st.st_mode) ? Msg::ItIsAFolder : Msg::NotARegularFile);
    }
    // Reads of a regular file never block; clear the flag all the same.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = fdopen(fd, "rb");
    if (!file_) {
        const int err = errno;
        ::close(fd);
        throw errno_error(Msg::CannotOpenFile, path, err);
    }
    size_ = st.st_size;
}

InFile::~InFile() {
    if (file_) std::fclose(file_);
}

void InFile::seek(std::int64_t offset) {
    if (offset < 0 || fseeko(file_, off_t(offset), SEEK_SET) != 0)
        throw Error(Msg::CannotReadFile, path_, Msg::SeekFailed);
}

std::size_t InFile::read_some(void* buffer, std::size_t count) {
    const std::size_t got = std::fread(buffer, 1, count, file_);
    if (got < count && std::ferror(file_))
        throw errno_error(Msg::CannotReadFile, path_, errno);
    return got;
}

void InFile::read_exact(void* buffer, std::size_t count) {
    if (read_some(buffer, count) != count) throw Error(Msg::FileTruncated, path_);
}

namespace {

// Where a save through `path` lands: the file a symbolic link leads to, so the
// link survives the save. A folder, a device or pipe, or an existing file we
// may not write is refused here, before any work; the rename at the end would
// otherwise replace it.
std::string save_target(const std::string& path) {
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    if (::stat(target.c_str(), &st) != 0) return target;  // a new file
    if (S_ISDIR(st.st_mode)) throw Error(Msg::CannotWriteFile, path, Msg::ItIsAFolder);
    if (!S_ISREG(st.st_mode)) throw Error(Msg::CannotWriteFile, path, Msg::NotARegularFile);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        throw errno_error(Msg::CannotWriteFile, path, errno);
    return target;
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

AtomicOutFile::AtomicOutFile(const std::string& path) : path_(path), target_path_(save_target(path)) {
    // Beside the target, so that the rename stays on one file system; a fixed
    // short name, so that a long target name cannot make it too long.
    temp_path_ = folder_of(target_path_) + "/tilesmith-XXXXXX.tmp";
    const int fd = ::mkostemps(temp_path_.data(), 4, O_CLOEXEC);
    if (fd < 0) throw errno_error(Msg::CannotWriteFile, path, errno);
    file_ = fdopen(fd, "wb");
    if (!file_) {
        const int err = errno;
        ::close(fd);
        std::remove(temp_path_.c_str());
        throw errno_error(Msg::CannotWriteFile, path, err);
    }
}

AtomicOutFile::~AtomicOutFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temp_path_.c_str());
}

void AtomicOutFile::write(const void* data, std::size_t count) {
    if (count && std::fwrite(data, 1, count, file_) != count)
        throw errno_error(Msg::CannotWriteFile, path_, errno);
}

void AtomicOutFile::commit() {
    // Keep the permissions of a file we replace.
    struct stat st {};
    if (::stat(target_path_.c_str(), &st) == 0) fchmod(fileno(file_), st.st_mode & 07777);
    else fchmod(fileno(file_), 0666 & ~[] { mode_t m = umask(0); umask(m); return m; }());
    if (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0) {
        throw errno_error(Msg::CannotWriteFile, path_, errno);
    }
    const int rc = std::fclose(file_);
    file_ = nullptr;
    if (rc != 0) throw errno_error(Msg::CannotWriteFile, path_, errno);
    // A job asked to stop ends here, its temporary removed by the destructor.
    point_of_no_return();
    if (std::rename(temp_path_.c_str(), target_path_.c_str()) != 0)
        throw errno_error(Msg::CannotWriteFile, path_, errno);
    committed_ = true;
}

void write_file_atomic(const std::string& path, const void* data, std::size_t count) {
    AtomicOutFile out(path);
    out.write(data, count);
    out.commit();
}

bool same_file(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace tilesmith
