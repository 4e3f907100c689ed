// tilesmith-cli effect: one effect routine on the 64 x 64 rectangle at a
// package pixel of a file, written to another (or the same) file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "effects/effect_registry.h"

namespace tilesmith::cli {

namespace {

// "X,Y" as two signed 32-bit integers.
bool parse_corner(const std::string& text, int& x, int& y) {
    const auto parts = split_commas(text);
    if (parts.size() != 2) return false;
    const auto px = parse_whole(parts[0], INT32_MIN, INT32_MAX);
    const auto py = parse_whole(parts[1], INT32_MIN, INT32_MAX);
    if (!px || !py) return false;
    x = int(*px);
    y = int(*py);
    return true;
}

}  // namespace

std::string effect_usage_lines() {
    // Lines of at most 89 columns under the command's six-column indent.
    constexpr std::size_t kWidth = 89;
    const std::string indent = "      ";
    std::string text, line = indent + "Routines:";
    for (const Effect& e : effect_registry()) {
        const std::string word = effect_usage(e);
        if (line.size() + 1 + word.size() > kWidth) {
            text += line + "\n";
            line = indent + word;
        } else {
            line += " " + word;
        }
    }
    text += line + "\n";
    // The other names, each on a line of its own after the list.
    for (const Effect& e : effect_registry())
        if (e.alias) text += indent + e.alias + " is another name of " + e.name + "\n";
    return text;
}

int cmd_effect(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::optional<std::string> at;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        std::optional<std::string> value;
        if (a == "--at") {
            if (k + 1 == args.size()) return usage_error("--at needs X,Y");
            value = args[++k];
        } else if (a.rfind("--at=", 0) == 0) {
            value = a.substr(5);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return usage_error("unknown option \"" + a + "\" for effect");
        } else {
            positional.push_back(a);
            continue;
        }
        if (at) return usage_error("--at given twice");
        at = *value;
    }
    if (positional.size() != 3) return usage_error("effect needs ROUTINE[:ARGS] INPUT OUTPUT");

    const EffectCall parsed = parse_effect(positional[0]);
    if (!parsed.run) return usage_error(parsed.error);
    int x = 0, y = 0;
    if (at && !parse_corner(*at, x, y)) return usage_error("bad --at \"" + *at + "\": expected X,Y");

    Package package;
    if (const int status = load_package(positional[1], package, ReaderOptions{}); status != kOk)
        return status;
    {
        TerminalProgress progress("effect");
        parsed.run(package, x, y, progress);
    }
    return save_package(positional[2], package);
}

}  // namespace tilesmith::cli
