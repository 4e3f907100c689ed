// tilesmith-cli: batch conversion, level export and effects from the shell.
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/error.h"
#include "formats/supported_games.h"
#include "tilesmith_version.h"

namespace {

// The extension lists come from the format registry, the effects from theirs.
std::string usage_text() {
    using tilesmith::FormatRole;
    using tilesmith::extension_list;
    return std::string() +
    "Usage: tilesmith-cli COMMAND ...\n"
    "  or:  tilesmith-cli --help | --version\n"
    "\n"
    "Commands:\n"
    "  convert INPUT OUTPUT [--8bit] [--no-transparency-fix]\n"
    "      Read INPUT (" + extension_list(FormatRole::read) + ") and write OUTPUT (" +
    extension_list(FormatRole::write) + ").\n"
    "        --8bit                   read TR2/TR3 levels from their 8-bit pages\n"
    "        --no-transparency-fix    keep level pixels marked transparent in their own colour\n"
    "  info FILE [--usage] [--rooms]\n"
    "      Print the package size of FILE in pixels and tiles.\n"
    "        --usage                  for a level, also its object and sprite textures and, a line\n"
    "                                 per page (numbered from 0, as the level numbers them), the\n"
    "                                 pixels they map as a whole percent (0% and 100% only for\n"
    "                                 none and all) and the 64 x 64 tiles they leave unused\n"
    "        --rooms                  for a level, also its rooms, their quads and triangles and\n"
    "                                 the static meshes placed in them, alternate rooms included;\n"
    "                                 then the items placed (moveables, sprites), the room\n"
    "                                 sprites, the textured faces of the objects placed and the\n"
    "                                 animated texture ranges\n"
    "  export PACKAGE BASE OUTPUT\n"
    "      Write PACKAGE into a copy of the level BASE (" + extension_list(FormatRole::export_base) + "),\n"
    "      a " + tilesmith::supported_games() + " level, named OUTPUT. A BASE whose structures\n"
    "      cannot be read to their end (cut short, damaged counts) is refused. An object\n"
    "      package BASE (.wad) takes PACKAGE as its texture map, every other byte copied.\n"
    "  effect ROUTINE[:ARGS] INPUT OUTPUT [--at X,Y]\n"
    "      Run one effect on the 64 x 64 rectangle at package pixel X,Y (default 0,0).\n" +
    tilesmith::cli::effect_usage_lines() +
    "  collect OUTPUT INPUT... [--unique] [--used-only] [--tolerance N] [--width TILES]\n"
    "          [--manifest FILE]\n"
    "      Write the 64 x 64 tiles of every INPUT (images, levels, object packages; a folder\n"
    "      is searched with its subfolders for the input extensions above), in input order,\n"
    "      as one package OUTPUT of any output extension, the rest of its last row in the\n"
    "      transparent colour; then print \"tiles: read N, written M (D duplicates, U unused)\".\n"
    "      An input that cannot be read is named and skipped, and the status is then 1.\n"
    "      A file named twice is read once; a file named is read by what it is.\n"
    "        --unique                 only the first of each kind of tile (a wholly\n"
    "                                 transparent tile too: the others are duplicates)\n"
    "        --used-only              of a level, only the tiles some face or sprite maps\n"
    "        --tolerance N            tiles match when no channel of a pixel differs by more\n"
    "                                 than N (0 to 255, default 0: the same pixels)\n"
    "        --width TILES            tiles across the package (1 to 256, default 4)\n"
    "        --manifest FILE          a header line starting with '#', then a CSV line per\n"
    "                                 tile written: its number from 0, the\n"
    "                                 file it came from, the page (from 0), x and y in pixels\n"
    "                                 within the page, and how many inputs held such a tile\n"
    "  compact LEVEL OUTPUT\n"
    "      Write a copy of LEVEL, a " + tilesmith::supported_games() + " level, as OUTPUT with its\n"
    "      textures packed onto fewer pages: the areas its object and sprite textures map (with\n"
    "      a pixel of margin), the same pixels kept once, the rest dropped; every face and\n"
    "      sprite shows the same pixels. Then print \"pages: B before, A after; object\n"
    "      textures: N, sprite textures: S; areas: K kept (M shared), D dropped\": K distinct\n"
    "      areas, M of them inside a larger one or of the same pixels as another, D regions\n"
    "      of pixels (4-connected, a page at a time) no texture maps. TR2/TR3 levels keep as\n"
    "      many of their 8-bit pages as the new count, unchanged: the games do not read them.\n"
    "      TR4/TR5 pack room and object pages each within their group; with bump pages the\n"
    "      room pages stay. A LEVEL whose pages cannot shrink is copied as it is.\n"
    "\n"
    "Exit status: 0 success, 1 refused file or error, 2 usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tilesmith::cli;
    std::vector<std::string> args = program_arguments(argc, argv);
    if (args.empty()) return usage_error("no command given");
    const std::string command = args.front();
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(usage_text().c_str(), stdout);
        return kOk;
    }
    if (command == "--version") {
        std::fputs("tilesmith-cli " TILESMITH_VERSION "\n", stdout);
        return kOk;
    }
    args.erase(args.begin());
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(usage_text().c_str(), stdout);
            return kOk;
        }
    }
    try {
        if (command == "convert") return cmd_convert(args);
        if (command == "info") return cmd_info(args);
        if (command == "export") return cmd_export(args);
        if (command == "effect") return cmd_effect(args);
        if (command == "collect") return cmd_collect(args);
        if (command == "compact") return cmd_compact(args);
        return usage_error("unknown command \"" + command + "\"");
    } catch (const tilesmith::Error& e) {
        return failure(e.what());
    } catch (const std::bad_alloc&) {
        return failure("out of memory");
    } catch (const std::exception& e) {
        return failure(e.what());
    }
}
