// tilesmith-cli compact LEVEL OUTPUT: a copy of the level with its textures on fewer pages.
#include <cstdio>

#include "cli/cli.h"
#include "core/error.h"
#include "formats/level_compact.h"
#include "model/level_compaction.h"
#include "strings/messages.h"

namespace tilesmith::cli {

int cmd_compact(const std::vector<std::string>& args) {
    if (args.size() != 2) return usage_error("compact needs LEVEL OUTPUT");
    TerminalProgress progress("compacting");
    const Phrase line = compaction_summary(compact_level(args[0], args[1], progress));
    std::printf("%s\n", line.text(Language::English).c_str());
    return kOk;
}

}  // namespace tilesmith::cli
