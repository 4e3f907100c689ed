// The supported games, from the format registry and the level kinds its extensions take.
#include "formats/supported_games.h"

#include <vector>

#include "formats/format_registry.h"
#include "formats/level_kind.h"

namespace tilesmith {

namespace {

bool supported(LevelKind kind) {
    for (const FileFormat* f : file_formats())
        if (serves(*f, FormatRole::read) && serves(*f, FormatRole::export_base))
            for (const FileExtension& e : f->extensions)
                if (extension_takes(std::string(e.dot), kind)) return true;
    return false;
}

}  // namespace

std::string supported_games() {
    constexpr LevelKind kGames[] = {LevelKind::tr1, LevelKind::tr2, LevelKind::tr3, LevelKind::tr4, LevelKind::tr5};
    std::vector<int> games;
    for (int n = 1; n <= 5; ++n)
        if (supported(kGames[n - 1])) games.push_back(n);
    std::string text = "Tomb Raider ";
    if (games.size() > 2 && games.back() - games.front() + 1 == int(games.size()))
        return text + std::to_string(games.front()) + "-" + std::to_string(games.back());
    for (std::size_t i = 0; i < games.size(); ++i) text += (i ? ", " : "") + std::to_string(games[i]);
    return text;
}

}  // namespace tilesmith
