// The supported games, from the level versions of the registry that some extension takes.
#include "formats/supported_games.h"

#include <algorithm>
#include <vector>

#include "formats/format_registry.h"

namespace tilesmith {

std::string supported_games() {
    std::vector<int> games;
    for (const FileFormat* f : file_formats())
        if (serves(*f, FormatRole::read) && serves(*f, FormatRole::export_base))
            for (const LevelVersion* v : f->versions)
                if (v->game > 0 && !v->extensions.empty()) games.push_back(v->game);
    std::sort(games.begin(), games.end());
    games.erase(std::unique(games.begin(), games.end()), games.end());
    std::string text = "Tomb Raider ";
    if (games.size() > 2 && games.back() - games.front() + 1 == int(games.size()))
        return text + std::to_string(games.front()) + "-" + std::to_string(games.back());
    for (std::size_t i = 0; i < games.size(); ++i) text += (i ? ", " : "") + std::to_string(games[i]);
    return text;
}

}  // namespace tilesmith
