// Finding the Qt picture codecs: linked in, or loaded from their module.
#include "formats/qt_codecs.h"

#include <dlfcn.h>

#include <filesystem>

#include "core/error.h"

// Weak: present only in programs that link the codecs.
extern "C" __attribute__((weak)) const tilesmith::QtCodecs* tilesmith_qt_codecs();

namespace tilesmith {

namespace {

constexpr char kModule[] = "tilesmith-qt-codecs.so";

// Beside the program (the build tree), else where the install puts it.
const QtCodecs* load_module(std::string& problem) {
    std::error_code error;
    const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    for (const std::filesystem::path& dir : {bin, bin / TILESMITH_CODECS_FROM_BIN}) {
        void* module = dlopen((dir / kModule).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (const char* why = dlerror()) problem = why;
            continue;
        }
        using Table = const QtCodecs* (*)();
        if (const auto table = reinterpret_cast<Table>(dlsym(module, "tilesmith_qt_codecs"))) return table();
    }
    return nullptr;
}

}  // namespace

const QtCodecs& qt_codecs() {
    static std::string problem;
    static const QtCodecs* const codecs = tilesmith_qt_codecs ? tilesmith_qt_codecs() : load_module(problem);
    if (!codecs) throw Error(std::string("the picture codecs (") + kModule + ") cannot be loaded: " + problem);
    return *codecs;
}

void set_picture_allocation_limit() { qt_codecs().set_allocation_limit(); }

}  // namespace tilesmith
