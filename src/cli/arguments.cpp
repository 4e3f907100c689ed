// The program's arguments in UTF-8 and its output as written, on POSIX
// systems and on Windows.
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// CommandLineToArgvW
#include <shellapi.h>
#endif

#include <cstdio>

#include "cli/cli.h"

namespace tilesmith::cli {

#ifdef _WIN32

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(std::size_t(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace

std::vector<std::string> program_arguments(int argc, char** argv) {
    // The narrow arguments are in the code page, which names not every file:
    // the wide ones as UTF-8.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (!wide) return std::vector<std::string>(argv + 1, argv + argc);
    for (int i = 1; i < count; ++i) args.push_back(utf8(wide[i]));
    LocalFree(wide);
    // Lines end in "\n" alone, as on other systems, and a console shows UTF-8.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
    return args;
}

#else

std::vector<std::string> program_arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

#endif

}  // namespace tilesmith::cli
