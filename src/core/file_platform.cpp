// File access on POSIX systems and on Windows: the one place that knows
// either system's calls for files.
#include "core/file_platform.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <random>
#include <string>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tilesmith::platform {

namespace {
std::error_code last_errno() { return {errno, std::generic_category()}; }
}  // namespace

#ifdef _WIN32

OpenedFile open_for_reading(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ec = std::make_error_code(std::errc::is_a_directory);
        return {};
    }
    std::FILE* file = _wfopen(path.c_str(), L"rbN");  // N: not inherited by child processes
    if (!file) {
        ec = last_errno();
        return {};
    }
    struct _stat64 st {};
    if (_fstat64(_fileno(file), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        ec = std::make_error_code(std::errc::not_supported);
        std::fclose(file);
        return {};
    }
    return {file, std::int64_t(st.st_size)};
}

bool seek(std::FILE* file, std::int64_t offset) { return _fseeki64(file, offset, SEEK_SET) == 0; }

std::int64_t tell(std::FILE* file) { return _ftelli64(file); }

std::FILE* create_temp_file(const std::filesystem::path& folder, std::filesystem::path& name,
                            std::error_code& ec) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = folder / (L"tilesmith-" + std::to_wstring(random()) + L".tmp");
        int fd = -1;
        const errno_t err = _wsopen_s(&fd, candidate.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY | _O_NOINHERIT,
                                      _SH_DENYNO, _S_IREAD | _S_IWRITE);
        if (err == EEXIST) continue;
        if (err != 0) {
            ec = {err, std::generic_category()};
            return nullptr;
        }
        std::FILE* file = _fdopen(fd, "wb");
        if (!file) {
            ec = last_errno();
            _close(fd);
            _wremove(candidate.c_str());
            return nullptr;
        }
        name = candidate;
        ec.clear();
        return file;
    }
    ec = std::make_error_code(std::errc::file_exists);
    return nullptr;
}

bool may_write(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ec = {int(GetLastError()), std::system_category()};
        return false;
    }
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
        ec = std::make_error_code(std::errc::permission_denied);
        return false;
    }
    // A folder's rights are in its access list: trying is the only sure test.
    std::filesystem::path probe;
    std::FILE* file = create_temp_file(path, probe, ec);
    if (!file) return false;
    std::fclose(file);
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

std::error_code finish_file(std::FILE* file, const std::filesystem::path&) {
    // A new file takes the access list of its folder, as the replaced one did.
    if (std::fflush(file) != 0 || _commit(_fileno(file)) != 0) return last_errno();
    return {};
}

std::error_code replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    return {int(GetLastError()), std::system_category()};
}

#else

OpenedFile open_for_reading(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
    // Opened without blocking, so that a pipe with no writer cannot hold us at
    // the open; anything but a regular file is refused before it is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        ec = last_errno();
        return {};
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ec = S_ISDIR(st.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                 : std::make_error_code(std::errc::not_supported);
        ::close(fd);
        return {};
    }
    // Reads of a regular file never block; clear the flag all the same.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        ec = last_errno();
        ::close(fd);
        return {};
    }
    return {file, std::int64_t(st.st_size)};
}

bool seek(std::FILE* file, std::int64_t offset) { return fseeko(file, off_t(offset), SEEK_SET) == 0; }

std::int64_t tell(std::FILE* file) { return std::int64_t(ftello(file)); }

std::FILE* create_temp_file(const std::filesystem::path& folder, std::filesystem::path& name,
                            std::error_code& ec) {
    // A fixed short name, so that a long name beside it cannot make it too long.
    std::string pattern = (folder / "tilesmith-XXXXXX.tmp").string();
    const int fd = ::mkostemps(pattern.data(), 4, O_CLOEXEC);
    if (fd < 0) {
        ec = last_errno();
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        ec = last_errno();
        ::close(fd);
        ::unlink(pattern.c_str());
        return nullptr;
    }
    name = pattern;
    ec.clear();
    return file;
}

bool may_write(const std::filesystem::path& path, std::error_code& ec) {
    ec.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        ec = last_errno();
        return false;
    }
    const int wanted = S_ISDIR(st.st_mode) ? W_OK | X_OK : W_OK;
    if (::faccessat(AT_FDCWD, path.c_str(), wanted, AT_EACCESS) == 0) return true;
    ec = last_errno();
    return false;
}

std::error_code finish_file(std::FILE* file, const std::filesystem::path& replaced) {
    const int fd = fileno(file);
    struct stat st {};
    if (::stat(replaced.c_str(), &st) == 0) {
        fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    if (std::fflush(file) != 0 || fsync(fd) != 0) return last_errno();
    return {};
}

std::error_code replace_file(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) == 0) return {};
    return last_errno();
}

#endif

}  // namespace tilesmith::platform
