// Raw file access for readers and writers.
#include "core/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/error.h"

namespace tilesmith {

std::string system_error_text(int err) { return std::strerror(err); }

InFile::InFile(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) throw Error("Cannot open \"" + path + "\": " + system_error_text(errno));
    struct stat st {};
    if (fstat(fileno(file_), &st) != 0) {
        const int err = errno;
        std::fclose(file_);
        throw Error("Cannot read \"" + path + "\": " + system_error_text(err));
    }
    if (S_ISDIR(st.st_mode)) {
        std::fclose(file_);
        throw Error("Cannot open \"" + path + "\": it is a folder");
    }
    size_ = st.st_size;
}

InFile::~InFile() {
    if (file_) std::fclose(file_);
}

void InFile::seek(std::int64_t offset) {
    if (offset < 0 || fseeko(file_, off_t(offset), SEEK_SET) != 0)
        throw Error("Cannot read \"" + path_ + "\": seek failed");
}

std::size_t InFile::read_some(void* buffer, std::size_t count) {
    const std::size_t got = std::fread(buffer, 1, count, file_);
    if (got < count && std::ferror(file_))
        throw Error("Cannot read \"" + path_ + "\": " + system_error_text(errno));
    return got;
}

void InFile::read_exact(void* buffer, std::size_t count) {
    if (read_some(buffer, count) != count) throw Error("\"" + path_ + "\" is truncated");
}

AtomicOutFile::AtomicOutFile(const std::string& path) : path_(path) {
    std::random_device rd;
    for (int attempt = 0; attempt < 16 && !file_; ++attempt) {
        temp_path_ = path + ".tmp" + std::to_string(rd() % 1000000);
        // "x": never reuse or follow an existing name.
        file_ = std::fopen(temp_path_.c_str(), "wbx");
        if (!file_ && errno != EEXIST) break;
    }
    if (!file_) throw Error("Cannot write \"" + path + "\": " + system_error_text(errno));
}

AtomicOutFile::~AtomicOutFile() {
    if (file_) std::fclose(file_);
    if (!committed_) std::remove(temp_path_.c_str());
}

void AtomicOutFile::write(const void* data, std::size_t count) {
    if (count && std::fwrite(data, 1, count, file_) != count)
        throw Error("Cannot write \"" + path_ + "\": " + system_error_text(errno));
}

void AtomicOutFile::commit() {
    // Keep the permissions of a file we replace.
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) fchmod(fileno(file_), st.st_mode & 07777);
    else fchmod(fileno(file_), 0666 & ~[] { mode_t m = umask(0); umask(m); return m; }());
    if (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0) {
        throw Error("Cannot write \"" + path_ + "\": " + system_error_text(errno));
    }
    const int rc = std::fclose(file_);
    file_ = nullptr;
    if (rc != 0) throw Error("Cannot write \"" + path_ + "\": " + system_error_text(errno));
    if (std::rename(temp_path_.c_str(), path_.c_str()) != 0)
        throw Error("Cannot write \"" + path_ + "\": " + system_error_text(errno));
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
