// POSIX calls of the tests; elsewhere each answers that it cannot.
#include "support/posix.h"

#include <cstdio>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tilesmith {

#ifndef _WIN32

bool make_pipe(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

Outcome run_unprivileged(const std::function<bool()>& body) {
    if (geteuid() != 0) return body() ? Outcome::passed : Outcome::failed;
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return Outcome::failed;
    return WEXITSTATUS(status) == 0 ? Outcome::passed
           : WEXITSTATUS(status) == 2 ? Outcome::cannot_drop
                                      : Outcome::failed;
}

FileSizeLimit::FileSizeLimit(std::int64_t bytes) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    saved_ = std::int64_t(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(saved_);
    setrlimit(RLIMIT_FSIZE, &limit);
}

bool reset_peak_memory() {
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    return f && std::fputs("5", f) >= 0 && std::fclose(f) == 0;  // 5: peak := current
}

std::int64_t peak_memory_bytes() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    long long kib = -1;
    while (f && std::fgets(line, sizeof line, f) && std::sscanf(line, "VmHWM: %lld kB", &kib) != 1) {}
    if (f) std::fclose(f);
    return kib * 1024;
}

#else

bool make_pipe(const std::string&) { return false; }
Outcome run_unprivileged(const std::function<bool()>&) { return Outcome::cannot_drop; }
FileSizeLimit::FileSizeLimit(std::int64_t) {}
FileSizeLimit::~FileSizeLimit() = default;
bool reset_peak_memory() { return false; }
std::int64_t peak_memory_bytes() { return -1; }

#endif

}  // namespace tilesmith
