// Runs tilesmith-cli for tests: posix_spawn on POSIX systems, CreateProcessW
// on Windows; standard output and error are read while the program runs.
#include "support/cli_run.h"

#include <string>
#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace tilesmith {

CliRun run_cli(const std::string& shell_args) {
    // Words split at blanks; a single-quoted stretch is taken as it is.
    std::vector<std::string> args;
    bool quoted = false, in_word = false;
    for (const char c : shell_args) {
        if (c == ' ' && !quoted) in_word = false;
        else if (!std::exchange(in_word, true)) args.emplace_back(c == '\'' ? "" : std::string(1, c));
        else if (c != '\'') args.back() += c;
        if (c == '\'') quoted = !quoted;
    }
    return run_cli(args);
}

#ifdef _WIN32

namespace {

std::wstring wide(const std::string& text) {
    std::wstring out(std::size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()));
    return out;
}

// One argument as the C runtime splits a command line: quoted, a backslash
// doubled where a quote follows it.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L'"';
}

std::string drain(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(pipe);
    return text;
}

}  // namespace

CliRun run_cli(const std::vector<std::string>& args) {
    CliRun r;
    const std::wstring program = wide(TILESMITH_CLI_PATH);
    std::wstring line = quoted(program);
    for (const std::string& a : args) line += L' ' + quoted(wide(a));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out_read, out_write, err_read, err_write;
    if (!CreatePipe(&out_read, &out_write, &inherit, 0)) return r;
    if (!CreatePipe(&err_read, &err_write, &inherit, 0)) return r;
    SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = out_write;
    startup.hStdError = err_write;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(out_write);
    CloseHandle(err_write);
    CloseHandle(nul);
    std::thread err_reader([&] { r.err = drain(err_read); });
    r.out = drain(out_read);
    err_reader.join();
    if (!started) return r;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    // An exception's code (0xC0000005 and the like) is no normal exit.
    if (GetExitCodeProcess(process.hProcess, &code) && code < 0x80000000u) r.status = int(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return r;
}

#else

CliRun run_cli(const std::vector<std::string>& args) {
    CliRun r;
    std::vector<char*> argv{const_cast<char*>(TILESMITH_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2], err[2];
    if (pipe(out) != 0) return r;
    if (pipe(err) != 0) {
        close(out[0]);
        close(out[1]);
        return r;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    for (const int fd : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    pid_t pid = -1;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    // Both pipes read as they fill, so that neither holds the program up.
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&r.out, &r.err};
    for (int open = 2; open > 0;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) texts[i]->append(buffer, std::size_t(got));
            else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& p : fds)
        if (p.fd >= 0) close(p.fd);
    int status = 0;
    if (started && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

#endif

}  // namespace tilesmith
