// Runs tilesmith-cli for tests: posix_spawn on POSIX systems, CreateProcessW
// on Windows; standard output and error go to files that are read after it ends.
#include "support/cli_run.h"

#include <cstdio>
#include <utility>

#include "core/file_names.h"
#include "support/test_files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#endif

namespace tilesmith {

namespace {

std::string text_of(const std::string& file) {
    if (!file_exists(file)) return {};
    const Bytes bytes = read_bytes(file);
    return {bytes.begin(), bytes.end()};
}

#ifdef _WIN32
// One argument as the C runtime splits a command line: quoted, a backslash
// doubled where a quote follows it.
std::wstring quoted(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') ++backslashes;
        else {
            out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
            backslashes = 0;
            out += c;
        }
    }
    return out.append(2 * backslashes, L'\\') + L'"';
}

// The child's status; -1 when it did not start or ended by an exception.
int run(const std::vector<std::string>& args, const std::string& out, const std::string& err) {
    const std::wstring program = path_from_utf8(TILESMITH_CLI_PATH).native();
    std::wstring line = quoted(program);
    for (const std::string& a : args) line += L' ' + quoted(path_from_utf8(a).native());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto open = [&](const std::string& name, DWORD access, DWORD how) {
        return CreateFileW(path_from_utf8(name).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, how, 0,
                           nullptr);
    };
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = open("NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = open(out, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = open(err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION child{};
    DWORD code = DWORD(-1);
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child)) {
        WaitForSingleObject(child.hProcess, INFINITE);
        GetExitCodeProcess(child.hProcess, &code);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
    if (code >= 0x80000000u) std::fprintf(stderr, "tilesmith-cli ended with 0x%08lX\n", static_cast<unsigned long>(code));
    return code < 0x80000000u ? int(code) : -1;  // 0xC0000005 and the like: an exception
}
#else
int run(const std::vector<std::string>& args, const std::string& out, const std::string& err) {
    std::vector<char*> argv{const_cast<char*>(TILESMITH_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    int status = 0;
    const bool ended = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                       waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    posix_spawn_file_actions_destroy(&actions);
    return ended ? WEXITSTATUS(status) : -1;
}
#endif

}  // namespace

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

CliRun run_cli(const std::vector<std::string>& args) {
    const TempDir dir;
    CliRun r;
    r.status = run(args, dir.file("out"), dir.file("err"));
    r.out = text_of(dir.file("out"));
    r.err = text_of(dir.file("err"));
    return r;
}

}  // namespace tilesmith
