// POSIX calls of the tests; elsewhere each answers that it cannot.
#include "support/posix.h"

#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tilesmith {

void make_link(const std::string& target, const std::string& link) {
    if (kPosix) std::filesystem::create_symlink(target, link);
    else std::filesystem::create_hard_link(target, link);
}

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

void with_file_size_limit(std::int64_t bytes, const std::function<void()>& body) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limited);
    body();
    setrlimit(RLIMIT_FSIZE, &saved);
}

#else

bool make_pipe(const std::string&) { return false; }
Outcome run_unprivileged(const std::function<bool()>&) { return Outcome::cannot_drop; }
void with_file_size_limit(std::int64_t, const std::function<void()>&) {}

#endif

}  // namespace tilesmith
