// Shared by the fuzz targets: a scratch file that holds each input, named with
// the extension its reader expects, in memory-backed /dev/shm when there is one.
#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace tilesmith {

class ScratchFile {
public:
    explicit ScratchFile(const char* extension) {
        const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path_ = std::string(dir) + "/tilesmith-fuzz-XXXXXX" + extension;
        const int fd = mkstemps(path_.data(), int(std::strlen(extension)));
        if (fd < 0) std::abort();
        close(fd);
    }
    ~ScratchFile() { unlink(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& path() const { return path_; }
    // Replaces the file's content with the input.
    void write(const std::uint8_t* data, std::size_t size) const {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) std::abort();
        if (size && std::fwrite(data, 1, size, f) != size) std::abort();
        std::fclose(f);
    }

private:
    std::string path_;
};

}  // namespace tilesmith
