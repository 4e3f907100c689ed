// tilesmith-cli info: the package size of a file in pixels and tiles; for a level its kind and pages.
#include <cstdio>

#include "cli/cli.h"
#include "core/dimensions.h"
#include "formats/level_kind.h"

namespace tilesmith::cli {

int cmd_info(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    for (const auto& a : args) {
        if (a.size() > 1 && a[0] == '-') return usage_error("info: unknown option \"" + a + "\"");
        files.push_back(a);
    }
    if (files.empty()) return usage_error("info: needs FILE");
    if (files.size() > 1) return usage_error("info: unexpected argument \"" + files[1] + "\"");

    Package package;
    if (const int status = load_package(files[0], package, ReaderOptions{}); status != kOk) return status;
    // A level says what it is and how many pages it holds before its size.
    const FileFormat* format = format_of(files[0]);
    if (format && format->kind != FormatKind::image) {
        const int pages = package.height() / kPageSide;
        const std::string kind = level_kind_title(read_level_kind(files[0]), file_extension(files[0]));
        std::printf("%s: %d %s; ", kind.c_str(), pages, pages == 1 ? "page" : "pages");
    }
    std::printf("%d x %d pixels, %d x %d tiles\n", package.width(), package.height(),
                package.width() / kTileSide, package.height() / kTileSide);
    return std::fflush(stdout) == 0 ? kOk : failure("cannot write to standard output");
}

}  // namespace tilesmith::cli
