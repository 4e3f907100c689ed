// Textures of Tomb Raider 1 levels: the walk to the palette, the reader and the export.
#include "formats/tr1.h"

#include <array>
#include <optional>
#include <vector>

#include "core/checked.h"
#include "core/error.h"
#include "formats/format_registry.h"
#include "formats/level_format.h"

namespace tilesmith {

namespace {

constexpr std::int64_t kPaletteBytes = 768;
constexpr std::int64_t kLightMapBytes = 8192;
constexpr std::int64_t kSoundMapBytes = 512;

// Steps through the file by its counts. Counts are only read, never used to
// size anything: each stretch is checked against the file before the walk
// moves past it. The first stretch that does not fit stops the walk and is
// kept as its problem. `what` names each stretch for the reader of the walk.
class Walker {
public:
    Walker(InFile& in, std::int64_t at) : in_(in), at_(at) {}

    bool ok() const { return !problem_; }
    std::int64_t at() const { return at_; }
    const Phrase& problem() const { return *problem_; }

    // A little-endian unsigned count of `width` (2 or 4) bytes; 0 after a failure.
    std::int64_t count(int width, const char* /*what*/) {
        if (!ok()) return 0;
        if (at_ + width > in_.size()) {
            fail(Phrase(Msg::StructureBeyondEnd).arg(at_).arg(in_.size()));
            return 0;
        }
        std::uint8_t raw[4] = {};
        in_.seek(at_);
        in_.read_exact(raw, std::size_t(width));
        at_ += width;
        return width == 2 ? std::int64_t(read_u16le(raw)) : std::int64_t(read_u32le(raw));
    }

    void skip(std::int64_t count, std::int64_t element_bytes, const char* /*what*/) {
        if (!ok()) return;
        if (!fits(count, element_bytes)) fail(Phrase(Msg::StructureBeyondEnd).arg(at_).arg(in_.size()));
    }
    // The texture pages, whose count the refusal names.
    void skip_pages(std::int64_t count) {
        if (!ok()) return;
        if (!fits(count, kPage8Bytes)) fail(Phrase(Msg::PagesBeyondEnd).arg(count).arg(in_.size()));
    }
    void skip_bytes(std::int64_t bytes, const char* what) { skip(1, bytes, what); }
    // A count of `width` bytes and that many elements.
    void counted(int width, std::int64_t element_bytes, const char* what) {
        skip(count(width, what), element_bytes, what);
    }

    void expect_end() {
        if (ok() && at_ != in_.size()) fail(Phrase(Msg::LastStructureEarly).arg(at_).arg(in_.size()));
    }

private:
    // Moves past `count` elements when they end inside the file.
    bool fits(std::int64_t count, std::int64_t element_bytes) {
        const auto bytes = checked_mul(count, element_bytes);
        const auto end = bytes ? checked_add(at_, *bytes) : std::nullopt;
        if (!end || *end > in_.size()) return false;
        at_ = *end;
        return true;
    }
    void fail(Phrase problem) { problem_ = std::move(problem); }

    InFile& in_;
    std::int64_t at_;
    std::optional<Phrase> problem_;
};

// Each room's size follows from its own counts.
void walk_room(Walker& w) {
    w.skip_bytes(16, "room position");
    w.counted(4, 2, "room geometry words");
    w.counted(2, 32, "room portals");
    const std::int64_t columns = w.count(2, "room sector");
    const std::int64_t rows = w.count(2, "room sector");
    w.skip(columns * rows, 8, "room sectors");
    w.skip_bytes(2, "room ambient light");
    w.counted(2, 18, "room lights");
    w.counted(2, 18, "room static meshes");
    w.skip_bytes(4, "room alternate and flags");
}

// From the page count to the end of the sprite sequences, shared by both orders.
void walk_head(Walker& w, std::int64_t& pages) {
    pages = w.count(4, "texture page");
    w.skip_pages(pages);
    w.skip_bytes(4, "unused value");
    const std::int64_t rooms = w.count(2, "room");
    for (std::int64_t i = 0; i < rooms && w.ok(); ++i) walk_room(w);
    w.counted(4, 2, "floor data words");
    w.counted(4, 2, "mesh data words");
    w.counted(4, 4, "mesh pointers");
    w.counted(4, 32, "animations");
    w.counted(4, 6, "state changes");
    w.counted(4, 8, "animation dispatches");
    w.counted(4, 2, "animation commands");
    w.counted(4, 4, "mesh tree words");
    w.counted(4, 2, "frame words");
    w.counted(4, 18, "models");
    w.counted(4, 32, "static meshes");
    w.counted(4, 20, "object textures");
    w.counted(4, 16, "sprite textures");
    w.counted(4, 8, "sprite sequences");
}

// From the cameras to the end of the light map.
void walk_middle(Walker& w) {
    w.counted(4, 16, "cameras");
    w.counted(4, 16, "sound sources");
    const std::int64_t boxes = w.count(4, "box");
    w.skip(boxes, 20, "boxes");
    w.counted(4, 2, "overlaps");
    w.skip(boxes, 12, "zones");
    w.counted(4, 2, "animated texture words");
    w.counted(4, 22, "items");
    w.skip_bytes(kLightMapBytes, "light map");
}

// After the palette: cinematic frames to sample indices, ending with the file.
void walk_tail(Walker& w) {
    w.counted(2, 16, "cinematic frames");
    w.counted(2, 1, "demo data bytes");
    w.skip_bytes(kSoundMapBytes, "sound map");
    w.counted(4, 8, "sound details");
    w.counted(4, 1, "sample bytes");
    w.counted(4, 4, "sample indices");
    w.expect_end();
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

}  // namespace

Tr1Layout walk_tr1(InFile& in) {
    Walker head(in, kTr1PageCountOffset);
    Tr1Layout layout;
    walk_head(head, layout.pages);
    if (!head.ok()) refuse_level(in.path(), head.problem());

    // The usual order: the palette after the light map.
    Walker usual = head;
    walk_middle(usual);
    const std::int64_t usual_palette = usual.at();
    usual.skip_bytes(kPaletteBytes, "palette");
    walk_tail(usual);

    // Unfinished Business and the demos: the palette right after the sprite sequences.
    Walker early = head;
    const std::int64_t early_palette = early.at();
    early.skip_bytes(kPaletteBytes, "palette");
    walk_middle(early);
    walk_tail(early);

    const bool prefer_early = file_extension(in.path()) == ".tub";
    if (early.ok() && (prefer_early || !usual.ok())) {
        layout.palette_offset = early_palette;
        layout.palette_after_sprites = true;
    } else if (usual.ok()) {
        layout.palette_offset = usual_palette;
    } else {
        refuse_level(in.path(), usual.problem());
    }
    return layout;
}

ReadResult open_tr1(const std::string& file_name, Package& package, bool correct_transparent,
                    Progress& progress) {
    InFile in(file_name);
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

ExportResult ex_tr1(const std::string& output_name, const std::string& base_name, const Package& package,
                    Progress& progress) {
    InFile base(base_name);
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

namespace {

constexpr FileExtension kTr1Extensions[] = {{".phd", Msg::Tr1LevelFilter}, {".tub", Msg::Tr1LevelFilter}};

ReadResult read_tr1_format(const std::string& file_name, Package& package, const ReaderOptions& options,
                           Progress& progress) {
    return open_tr1(file_name, package, options.correct_transparent, progress);
}

}  // namespace

constinit const FileFormat kTr1Format{FormatKind::level, kTr1Extensions, Msg::Tr1LevelFilter, read_tr1_format,
                                      nullptr, ex_tr1};

}  // namespace tilesmith
