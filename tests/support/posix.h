// What the tests can do only through POSIX calls: the one place that knows
// them. A test that needs one begins with POSIX_ONLY(), which skips it on
// other systems, or tests kPosix around that part; elsewhere the helpers
// answer that they cannot.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace tilesmith {

#ifdef _WIN32
constexpr bool kPosix = false;
#else
constexpr bool kPosix = true;
#endif
#define POSIX_ONLY() \
    if (!::tilesmith::kPosix) GTEST_SKIP() << "needs POSIX"

// Makes a named pipe at `path`; false when it cannot.
bool make_pipe(const std::string& path);

enum class Outcome { passed, failed, cannot_drop };
// Runs `body` without root's power to ignore file modes: in a child process
// that gives up root when the suite runs as root, directly otherwise.
Outcome run_unprivileged(const std::function<bool()>& body);

// While it lives, no file of this process may grow beyond `bytes`: a write
// past it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::int64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    std::int64_t saved_ = -1;
};

// The peak resident memory of this process: set back to the current size, and
// read in bytes (negative where the system cannot tell).
bool reset_peak_memory();
std::int64_t peak_memory_bytes();

}  // namespace tilesmith
