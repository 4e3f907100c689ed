// What the tests can do only through POSIX calls: the one place that knows
// them. A test that needs one begins with POSIX_ONLY(), which skips it on
// other systems, or tests kPosix around that part; there the helpers fail.
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

// A symbolic link at `link` to `target`; on Windows, where making one needs
// a privilege, a hard link stands in.
void make_link(const std::string& target, const std::string& link);
// Makes a named pipe at `path`; false when it cannot.
bool make_pipe(const std::string& path);
enum class Outcome { passed, failed, cannot_drop };
// Runs `body` without root's power to ignore file modes: in a child process
// that gives up root when the suite runs as root, directly otherwise.
Outcome run_unprivileged(const std::function<bool()>& body);
// Runs `body` while no file may grow beyond `bytes`, as on a full disk.
void with_file_size_limit(std::int64_t bytes, const std::function<void()>& body);

}  // namespace tilesmith
