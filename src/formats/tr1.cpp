// Textures of Tomb Raider 1 levels: the walk to the palette, the reader and the export.
#include "formats/tr1.h"

#include <array>
#include <optional>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "formats/format_registry.h"
#include "formats/level_format.h"
#include "formats/level_geometry.h"
#include "formats/level_walk.h"

namespace tilesmith {

namespace {

constexpr std::int64_t kPaletteBytes = 768;
constexpr std::int64_t kLightMapBytes = 8192;
constexpr std::int64_t kSoundMapBytes = 512;

using Walker = LevelWalker;

// Ambient light, lights and room static meshes of the first game.
constexpr RoomLayout kTr1Room{2, 18, 18, 4};

// From the page count to the end of the sprite sequences, shared by both orders.
void walk_head(Walker& w, Tr1Layout& layout, GeometryStretches* keep) {
    std::int64_t& pages = layout.pages;
    pages = w.count(4, "texture page");
    w.skip_pages(pages, kPage8Bytes);
    w.skip_bytes(4, "unused value");
    const std::int64_t rooms = w.count(2, "room");
    for (std::int64_t i = 0; i < rooms && w.ok(); ++i) walk_room(w, kTr1Room, keep);
    walk_meshes_to_static_meshes(w, 32, 18, keep);
    layout.object_textures = w.table(4, kTr123ObjectTexture.record_bytes, "object textures");
    layout.sprite_textures = w.table(4, kSpriteTextureBytes, "sprite textures");
    const Table sequences = w.table(4, 8, "sprite sequences");
    if (keep) keep->sprite_sequences = sequences;
}

// From the cameras to the end of the light map; where the animated texture
// words and the items lie goes to `keep`.
void walk_middle(Walker& w, GeometryStretches& keep) {
    w.counted(4, 16, "cameras");
    w.counted(4, 16, "sound sources");
    walk_boxes_to_animated_textures(w, 20, 12, &keep.animated_words);
    keep.items = w.table(4, 22, "items");
    w.skip_bytes(kLightMapBytes, "light map");
}

std::array<std::uint8_t, kPaletteBytes> read_palette(InFile& in, std::int64_t offset) {
    std::array<std::uint8_t, kPaletteBytes> palette{};
    in.seek(offset);
    in.read_exact(palette.data(), palette.size());
    // 6-bit values times four, kept to 8 bits as the 2/3 reader does.
    for (std::uint8_t& v : palette) v = std::uint8_t(v << 2);
    return palette;
}

// The nearest palette colour of entries 1..255 by squared distance, ties to the
// lower index; magenta is the transparent index 0. Packages repeat their
// colours, so answers are kept in a small table keyed by colour.
class PaletteMatcher {
public:
    explicit PaletteMatcher(const std::array<std::uint8_t, kPaletteBytes>& rgb) : rgb_(rgb) {
        cache_.resize(kSlots, Slot{kEmpty, 0});
    }

    std::uint8_t index_of(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        if (r == 255 && g == 0 && b == 255) return 0;
        const std::uint32_t key = (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
        Slot& slot = cache_[(key * 2654435761u) >> (32 - kSlotBits)];
        if (slot.key != key) slot = Slot{key, nearest(r, g, b)};
        return slot.index;
    }

private:
    static constexpr int kSlotBits = 16;
    static constexpr std::size_t kSlots = std::size_t(1) << kSlotBits;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;  // no colour has this key
    struct Slot {
        std::uint32_t key;
        std::uint8_t index;
    };

    std::uint8_t nearest(int r, int g, int b) const {
        int best = 1;
        int best_distance = 1 << 30;
        for (int i = 1; i < 256; ++i) {
            const int dr = r - rgb_[3 * i], dg = g - rgb_[3 * i + 1], db = b - rgb_[3 * i + 2];
            const int d = dr * dr + dg * dg + db * db;
            if (d < best_distance) {
                best_distance = d;
                best = i;
                if (d == 0) break;
            }
        }
        return std::uint8_t(best);
    }

    std::array<std::uint8_t, kPaletteBytes> rgb_;
    std::vector<Slot> cache_;
};

// Checks the base and its pages before anything is read or written.
Tr1Layout walk_checked(InFile& in) {
    const Tr1Layout layout = walk_tr1(in);
    check_level_pages(in.path(), layout.pages);
    return layout;
}

std::optional<Tr1Layout> try_walk_tr1(InFile& in, std::optional<Phrase>& problem,
                                      GeometryStretches* keep = nullptr) {
    FileBytes bytes(in);
    Walker head(bytes, kTr1PageCountOffset);
    Tr1Layout layout;
    walk_head(head, layout, keep);
    if (!head.ok()) {
        problem = head.problem();
        return std::nullopt;
    }

    // The usual order: the palette after the light map.
    GeometryStretches usual_found, early_found;
    Walker usual = head;
    walk_middle(usual, usual_found);
    const std::int64_t usual_palette = usual.at();
    usual.skip_bytes(kPaletteBytes, "palette");
    walk_cinematics_to_sample_indices(usual, kSoundMapBytes, true);

    // Unfinished Business and the demos: the palette right after the sprite sequences.
    Walker early = head;
    const std::int64_t early_palette = early.at();
    early.skip_bytes(kPaletteBytes, "palette");
    walk_middle(early, early_found);
    walk_cinematics_to_sample_indices(early, kSoundMapBytes, true);

    const bool prefer_early = file_extension(in.path()) == ".tub";
    const LevelWalker* chosen = prefer_early ? best_walk({&early, &usual}) : best_walk({&usual, &early});
    if (!chosen) {
        problem = usual.problem();
        return std::nullopt;
    }
    layout.palette_after_sprites = chosen == &early;
    if (keep) {
        const GeometryStretches& found = layout.palette_after_sprites ? early_found : usual_found;
        keep->animated_words = found.animated_words;
        keep->items = found.items;
    }
    layout.palette_offset = layout.palette_after_sprites ? early_palette : usual_palette;
    layout.ignored = chosen->ignored();
    return layout;
}

}  // namespace

Tr1Layout walk_tr1(InFile& in) {
    std::optional<Phrase> problem;
    const auto layout = try_walk_tr1(in, problem);
    if (!layout) refuse_level(in.path(), *problem);
    return *layout;
}

namespace {

LevelTextureRefs refs_of(LevelBytes& bytes, const Tr1Layout& layout) {
    LevelTextureRefs refs;
    refs.ignored_bytes = layout.ignored;
    read_object_textures(bytes, layout.object_textures, kTr123ObjectTexture, refs);
    read_sprite_textures(bytes, layout.sprite_textures, SpriteMapping::size_words, refs);
    return refs;
}

}  // namespace

LevelTextureRefs walk_tr1_textures(InFile& in) {
    std::optional<Phrase> problem;
    const auto layout = try_walk_tr1(in, problem);
    if (!layout) refuse_texture_walk(in.path(), *problem);
    FileBytes bytes(in);
    return refs_of(bytes, *layout);
}

LevelGeometry walk_tr1_level(InFile& in) {
    std::optional<Phrase> problem;
    GeometryStretches found;
    const auto layout = try_walk_tr1(in, problem, &found);
    if (!layout) refuse_room_walk(in.path(), *problem);
    FileBytes bytes(in);
    return read_level_geometry(bytes, found, 1, refs_of(bytes, *layout), in.path());
}

ReadResult open_tr1(InFile& in, Package& package, bool correct_transparent, Progress& progress) {
    const Tr1Layout layout = walk_checked(in);
    auto rgb = read_palette(in, layout.palette_offset);

    const int height = int(layout.pages) * kPageSide;
    auto fresh = Package::for_overwrite(kPageSide, height);
    progress.reset(height / kTileSide);
    std::array<std::uint8_t, kPageSide> row{};
    in.seek(kTr1PagesOffset);
    for (int y = 0; y < height; ++y) {
        in.read_exact(row.data(), row.size());
        std::uint8_t* out = fresh.row(y);
        for (int x = 0; x < kPageSide; ++x, out += 3) {
            if (row[x] == 0 && correct_transparent) {
                out[0] = 255; out[1] = 0; out[2] = 255;
                continue;
            }
            const std::uint8_t* c = &rgb[3 * std::size_t(row[x])];
            out[0] = c[2];
            out[1] = c[1];
            out[2] = c[0];
        }
        if (y % kTileSide == kTileSide - 1) progress.step();
    }

    package.take_pixels(fresh);
    return read_result_of(package);
}

ExportResult ex_tr1(const std::string& output_name, InFile& base, const Package& package, Progress& progress) {
    const Tr1Layout layout = walk_checked(base);
    if (package.width() != kPageSide || std::int64_t(package.height()) != layout.pages * kPageSide)
        return ExportResult::package_size_mismatch;
    PaletteMatcher matcher(read_palette(base, layout.palette_offset));

    const int pages = int(layout.pages);
    progress.reset(pages + 2);
    AtomicOutFile out(output_name);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(kPage8Bytes));
    base.seek(0);
    base.read_exact(buffer.data(), std::size_t(kTr1PagesOffset));
    out.write(buffer.data(), std::size_t(kTr1PagesOffset));
    for (int page = 0; page < pages; ++page) {
        std::uint8_t* index = buffer.data();
        for (int y = page * kPageSide; y < (page + 1) * kPageSide; ++y) {
            const std::uint8_t* bgr = package.row(y);
            for (int x = 0; x < kPageSide; ++x, bgr += 3) *index++ = matcher.index_of(bgr[2], bgr[1], bgr[0]);
        }
        out.write(buffer.data(), buffer.size());
        progress.step();
    }
    // Everything after the pages, palette included, is the base's own.
    base.seek(kTr1PagesOffset + layout.pages * kPage8Bytes);
    while (const std::size_t got = base.read_some(buffer.data(), buffer.size())) out.write(buffer.data(), got);
    progress.step();
    out.commit();
    progress.step();
    return ExportResult::written;
}

ReadResult open_tr1(const std::string& file_name, Package& package, bool correct_transparent, Progress& progress) {
    InFile in(file_name);
    return open_tr1(in, package, correct_transparent, progress);
}

ExportResult ex_tr1(const std::string& output_name, const std::string& base_name, const Package& package,
                    Progress& progress) {
    InFile base(base_name);
    return ex_tr1(output_name, base, package, progress);
}

namespace {

constexpr FileExtension kTr1Extensions[] = {{".phd", Msg::Tr1LevelFilter}, {".tub", Msg::Tr1LevelFilter}};
constexpr std::string_view kTr1VersionExtensions[] = {".phd", ".tub"};

bool tr1_signature(const std::uint8_t* first) { return read_u32le(first) == 0x00000020u; }

ReadResult read_tr1_open(InFile& in, Package& package, const ReaderOptions& options, Progress& progress) {
    return open_tr1(in, package, options.correct_transparent, progress);
}

ReadResult read_tr1_format(const std::string& file_name, Package& package, const ReaderOptions& options,
                           Progress& progress) {
    return open_tr1(file_name, package, options.correct_transparent, progress);
}

constinit const LevelVersion kTr1Version{"Tomb Raider 1 level", tr1_signature, kTr1VersionExtensions,
                                        Msg::LevelIsTr1, walk_tr1_textures, 1, walk_tr1_level};
constexpr const LevelVersion* kTr1Versions[] = {&kTr1Version};

}  // namespace

constinit const FileFormat kTr1Format{FormatKind::level, kTr1Extensions, Msg::Tr1LevelFilter, read_tr1_format,
                                      nullptr, ex_tr1, kTr1Versions, {}, nullptr, 1, read_tr1_open};

}  // namespace tilesmith
