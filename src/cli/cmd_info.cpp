// tilesmith-cli info: the package size of a file in pixels and tiles; for a
// level its kind and pages; with --usage, how much of each page its textures
// map; with --rooms, its rooms' faces and the static meshes placed in them.
#include <cstdio>

#include "cli/cli.h"
#include "core/dimensions.h"
#include "formats/level_geometry.h"
#include "formats/level_kind.h"
#include "formats/level_textures.h"
#include "model/texture_use.h"
#include "strings/messages.h"

namespace tilesmith::cli {

namespace {

void print_usage(const TextureUse& use) {
    constexpr int kTilesPerPage = (kPageSide / kTileSide) * (kPageSide / kTileSide);
    std::printf("object textures: %d, sprite textures: %d\n", use.object_texture_count(),
                use.sprite_texture_count());
    int unused = 0;
    for (int page = 0; page < use.pages(); ++page) {
        unused += use.unused_tiles(page);
        std::printf("page %d: %d%% of pixels used, %d of %d tiles unused\n", page,
                    whole_percent(use.used_pixels(page), std::int64_t(kPageSide) * kPageSide),
                    use.unused_tiles(page), kTilesPerPage);
    }
    std::printf("unused tiles: %d of %d\n", unused, use.pages() * kTilesPerPage);
}

}  // namespace

int cmd_info(const std::vector<std::string>& args) {
    std::vector<std::string> files;
    bool usage = false, rooms = false;
    for (const auto& a : args) {
        if (a == "--usage") usage = true;
        else if (a == "--rooms") rooms = true;
        else if (a.size() > 1 && a[0] == '-') return usage_error("info: unknown option \"" + a + "\"");
        else files.push_back(a);
    }
    if (files.empty()) return usage_error("info: needs FILE");
    if (files.size() > 1) return usage_error("info: unexpected argument \"" + files[1] + "\"");
    const std::string& file = files[0];

    Package package;
    if (const int status = load_package(file, package, ReaderOptions{}); status != kOk) return status;
    std::optional<TextureUse> use;
    if (usage) {
        const auto refs = read_texture_refs(file);
        if (!refs) return failure(std::string(text_of(Msg::TextureUseOnlyInLevels, Language::English)));
        use.emplace(*refs, package.height() / kPageSide);
        // A warning only: the use of every structure the layout defines is known.
        if (const auto warning = ignored_bytes_warning(file, *refs))
            std::fprintf(stderr, "tilesmith-cli: %s\n", warning->text(Language::English).c_str());
    }
    std::optional<LevelGeometry> geometry;
    if (rooms) {
        geometry = read_level_rooms(file);
        if (!geometry) return failure(std::string(text_of(Msg::RoomsOnlyInLevels, Language::English)));
    }
    // A level says what it is and how many pages it holds before its size.
    const FileFormat* format = format_of_file(file);
    if (format && format->kind != FormatKind::image) {
        const int pages = package.height() / kPageSide;
        const std::string extension = file_extension(file);
        const std::string kind = level_kind_title(*format, read_level_kind(file), extension);
        std::printf("%s: %d %s; ", kind.c_str(), pages, pages == 1 ? "page" : "pages");
    }
    std::printf("%d x %d pixels, %d x %d tiles\n", package.width(), package.height(),
                package.width() / kTileSide, package.height() / kTileSide);
    if (geometry)
        std::printf("rooms: %zu, room faces: %lld (%lld quads, %lld triangles), static meshes placed: %lld\n",
                    geometry->rooms.size(), (long long)(geometry->quad_count() + geometry->triangle_count()),
                    (long long)geometry->quad_count(), (long long)geometry->triangle_count(),
                    (long long)geometry->placed_static_count());
    if (use) print_usage(*use);
    return std::fflush(stdout) == 0 ? kOk : failure("cannot write to standard output");
}

}  // namespace tilesmith::cli
