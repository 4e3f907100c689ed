// Modules loaded at run time: dlopen on POSIX systems, LoadLibraryW on Windows.
#include "core/module_platform.h"

#include <cstdint>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif
#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

namespace tilesmith::platform {

std::filesystem::path program_folder() {
#if defined(_WIN32)
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (got == 0) return {};
        if (got < name.size()) {
            name.resize(got);
            return std::filesystem::path(name).parent_path();
        }
        name.resize(name.size() * 2);
    }
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string name(size, '\0');
    if (_NSGetExecutablePath(name.data(), &size) != 0) return {};
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return std::filesystem::path(name).parent_path();
#else
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
#endif
}

void* load_module_function(const std::filesystem::path& path, const char* symbol, std::string& problem) {
#ifdef _WIN32
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) {
        problem = std::system_category().message(int(GetLastError()));
        return nullptr;
    }
    if (FARPROC function = GetProcAddress(module, symbol)) return reinterpret_cast<void*>(function);
    problem = std::system_category().message(int(GetLastError()));
    return nullptr;
#else
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        if (const char* why = dlerror()) problem = why;
        return nullptr;
    }
    if (void* function = dlsym(module, symbol)) return function;
    if (const char* why = dlerror()) problem = why;
    return nullptr;
#endif
}

}  // namespace tilesmith::platform
