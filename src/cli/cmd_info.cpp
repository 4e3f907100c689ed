// tilesmith-cli info: the package size of a file in pixels and tiles; for a
// level its kind and pages; with --usage, how much of each page its textures
// map; with --rooms, its rooms' faces, the static meshes and items placed in
// them and the faces of those objects. The file is opened once. A file with
// rows missing is described as read, then refused as convert refuses it.
#include <cstdio>

#include "cli/cli.h"
#include "core/dimensions.h"
#include "formats/level_file.h"
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

    // The file is opened once: its kind, its pages and, when asked for, its walk.
    LevelFile read;
    // A file with rows missing is refused as convert refuses it, once what was read is said.
    if (const int status = load_level_file(file, read, usage || rooms ? LevelParts::pages_and_walk : LevelParts::pages_only,
                                           {}, true);
        status != kOk)
        return status;
    const Package& package = read.package;
    const auto english = [](const Phrase& p) { return p.text(Language::English); };
    std::optional<TextureUse> use;
    if (usage) {
        if (read.use_problem) return failure(english(*read.use_problem));
        if (!read.level) return failure(std::string(text_of(Msg::TextureUseOnlyInLevels, Language::English)));
        use.emplace(read.level->textures, package.height() / kPageSide);
        // A warning only: the use of every structure the layout defines is known.
        if (const auto warning = read.ignored_bytes_warning())
            std::fprintf(stderr, "tilesmith-cli: %s\n", english(*warning).c_str());
    }
    const LevelGeometry* geometry = nullptr;
    if (rooms) {
        if (read.rooms_problem) return failure(english(*read.rooms_problem));
        if (!read.level) return failure(std::string(text_of(Msg::RoomsOnlyInLevels, Language::English)));
        geometry = read.level.get();
    }
    // A level says what it is and how many pages it holds before its size.
    if (read.format && read.format->kind != FormatKind::image) {
        const int pages = package.height() / kPageSide;
        std::printf("%s: %d %s; ", read.kind_title.c_str(), pages, pages == 1 ? "page" : "pages");
    }
    std::printf("%d x %d pixels, %d x %d tiles\n", package.width(), package.height(),
                package.width() / kTileSide, package.height() / kTileSide);
    if (geometry)
        std::printf("rooms: %zu, room faces: %lld (%lld quads, %lld triangles), static meshes placed: %lld\n",
                    geometry->rooms.size(), (long long)(geometry->quad_count() + geometry->triangle_count()),
                    (long long)geometry->quad_count(), (long long)geometry->triangle_count(),
                    (long long)geometry->placed_static_count());
    if (geometry)
        std::printf("items placed: %zu (%lld moveables, %lld sprites), room sprites: %lld, textured object faces: %lld, "
                    "animated texture ranges: %zu\n",
                    geometry->items.size(), (long long)geometry->placed_moveable_count(),
                    (long long)geometry->placed_sprite_item_count(), (long long)geometry->room_sprite_count(),
                    (long long)geometry->textured_object_face_count(), geometry->animated.size());
    if (use) print_usage(*use);
    if (std::fflush(stdout) != 0) return failure("cannot write to standard output");
    // How many rows were filled with the transparent colour, and the status convert gives.
    return read.result->warning ? failure(english(*read.result->warning)) : kOk;
}

}  // namespace tilesmith::cli
