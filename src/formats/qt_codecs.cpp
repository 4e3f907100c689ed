// Finding the Qt picture codecs: linked in, or loaded from their module.
#include "formats/qt_codecs.h"

#include <filesystem>
#include <utility>

#include "core/error.h"
#include "core/module_platform.h"

namespace tilesmith {

namespace {

// Set before main by a program that links the codecs in; constant-initialised,
// so it is null until then whatever the order of the static initialisers.
constinit const QtCodecs* linked_codecs = nullptr;

// Beside the program (the build tree), else where the install puts it.
const QtCodecs* load_module(std::string& problem) {
    const std::filesystem::path bin = platform::program_folder();
    for (const std::filesystem::path& dir : {bin, bin / TILESMITH_CODECS_FROM_BIN}) {
        std::string why;
        using Table = const QtCodecs* (*)();
        if (void* function = platform::load_module_function(dir / TILESMITH_CODECS_MODULE, "tilesmith_qt_codecs", why))
            return reinterpret_cast<Table>(function)();
        problem = std::move(why);  // the installed place's, when both fail
    }
    return nullptr;
}

}  // namespace

bool use_linked_qt_codecs(const QtCodecs& codecs) {
    linked_codecs = &codecs;
    return true;
}

const QtCodecs& qt_codecs() {
    static std::string problem;
    static const QtCodecs* const codecs = linked_codecs ? linked_codecs : load_module(problem);
    if (!codecs) throw Error(Phrase(Msg::CodecsNotLoaded).arg(TILESMITH_CODECS_MODULE).arg(problem));
    return *codecs;
}

void set_picture_allocation_limit() { qt_codecs().set_allocation_limit(); }

}  // namespace tilesmith
