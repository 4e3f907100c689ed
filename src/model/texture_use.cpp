// Placing a level's texture references on its package: faces filled by their
// pixel centres, tiles counted once a texture.
#include "model/texture_use.h"

#include <algorithm>
#include <cmath>

#include "core/dimensions.h"

namespace tilesmith {

namespace {

constexpr int kTilesAcross = kPageSide / kTileSide;

}  // namespace

TextureUse::TextureUse(const LevelTextureRefs& refs, int pages)
    : pages_(std::max(pages, 0)),
      object_count_(int(refs.objects.size())),
      sprite_count_(int(refs.sprites.size())),
      mapped_(std::size_t(pages_) * kPageSide * kPageSide, 0),
      tiles_(std::size_t(pages_) * kTilesAcross * kTilesAcross) {
    faces_.reserve(refs.objects.size());
    rects_.reserve(refs.sprites.size());
    for (const ObjectTextureRef& ref : refs.objects) place_face(ref);
    for (const SpriteTextureRef& ref : refs.sprites) place_rect(ref);
}

std::size_t TextureUse::tile_index(int column, int row) const {
    return std::size_t(row) * kTilesAcross + std::size_t(column);
}

namespace {

// Each row's pixel centre line crosses the face's edges; the pixels whose
// centres lie between a pair of crossings (edges included) are mapped: each
// span of columns [from, to] of package row `y` goes to `each`.
template <typename Each>
void face_row(const MappedFace& face, int y, Each each) {
    const double centre = y + 0.5;
    double crossings[4];
    int n = 0;
    for (int k = 0; k < face.corner_count; ++k) {
        const PackagePoint a = face.corners[std::size_t(k)];
        const PackagePoint b = face.corners[std::size_t((k + 1) % face.corner_count)];
        if ((a.y <= centre) == (b.y <= centre)) continue;
        crossings[n++] = a.x + (centre - a.y) * (b.x - a.x) / double(b.y - a.y);
    }
    // At most four: sorted by insertion (std::sort's unrolled loops make
    // GCC's array-bounds check see past the array).
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && crossings[j] < crossings[j - 1]; --j) std::swap(crossings[j], crossings[j - 1]);
    for (int i = 0; i + 1 < n; i += 2) {
        // Centres px + 0.5 from the first crossing to the second, both included.
        const int from = std::max(0, int(std::ceil(crossings[i] - 0.5 - 1e-9)));
        const int to = std::min(kPageSide - 1, int(std::floor(crossings[i + 1] - 0.5 + 1e-9)));
        if (from <= to) each(from, to);
    }
}

}  // namespace

void TextureUse::place_face(const ObjectTextureRef& ref) {
    if (ref.page < 0 || ref.page >= pages_) {
        ++off_page_;
        return;
    }
    MappedFace face;
    face.corner_count = ref.corner_count;
    const int top = ref.page * kPageSide;
    int low = kPageSide, high = 0;
    for (int k = 0; k < ref.corner_count; ++k) {
        const PageCorner c = ref.corners[std::size_t(k)];
        face.corners[std::size_t(k)] = {c.x, top + c.y};
        low = std::min<int>(low, c.y);
        high = std::max<int>(high, c.y);
    }
    faces_.push_back(face);

    std::uint16_t touched = 0;  // the page's 16 tiles, a bit each
    for (int y = std::max(low, 0); y < std::min(high, kPageSide); ++y)
        face_row(face, top + y, [&](int from, int to) {
            std::uint8_t* row = &mapped_[(std::size_t(top) + std::size_t(y)) * kPageSide];
            std::fill(row + from, row + to + 1, std::uint8_t(1));
            for (int column = from / kTileSide; column <= to / kTileSide; ++column)
                touched |= std::uint16_t(1u << ((y / kTileSide) * kTilesAcross + column));
        });
    for (int t = 0; t < kTilesAcross * kTilesAcross; ++t)
        if (touched & (1u << t)) ++tiles_[tile_index(t % kTilesAcross, ref.page * kTilesAcross + t / kTilesAcross)].objects;
}

void TextureUse::place_rect(const SpriteTextureRef& ref) {
    if (ref.page < 0 || ref.page >= pages_) {
        ++off_page_;
        return;
    }
    const int x0 = std::clamp(ref.x, 0, kPageSide), x1 = std::clamp(ref.x + ref.width, 0, kPageSide);
    const int y0 = std::clamp(ref.y, 0, kPageSide), y1 = std::clamp(ref.y + ref.height, 0, kPageSide);
    const int top = ref.page * kPageSide;
    rects_.push_back({x0, top + y0, x1 - x0, y1 - y0});
    if (x0 == x1 || y0 == y1) return;
    for (int y = y0; y < y1; ++y)
        std::fill_n(&mapped_[(std::size_t(top) + std::size_t(y)) * kPageSide + std::size_t(x0)], x1 - x0,
                    std::uint8_t(1));
    for (int row = y0 / kTileSide; row <= (y1 - 1) / kTileSide; ++row)
        for (int column = x0 / kTileSide; column <= (x1 - 1) / kTileSide; ++column)
            ++tiles_[tile_index(column, ref.page * kTilesAcross + row)].sprites;
}

bool TextureUse::used(int x, int y) const {
    if (x < 0 || x >= kPageSide || y < 0 || y >= pages_ * kPageSide) return false;
    return mapped_[std::size_t(y) * kPageSide + std::size_t(x)] != 0;
}

TileUse TextureUse::faces_at_tile(int column, int row) const {
    if (column < 0 || column >= kTilesAcross || row < 0 || row >= pages_ * kTilesAcross) return {};
    return tiles_[tile_index(column, row)];
}

TileUse TextureUse::faces_at(int x, int y) const {
    TileUse use;
    if (!used(x, y)) return use;
    for (const MappedFace& f : faces_)
        face_row(f, y, [&](int from, int to) { use.objects += from <= x && x <= to ? 1 : 0; });
    for (const MappedRect& r : rects_)
        use.sprites += x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height ? 1 : 0;
    return use;
}

int TextureUse::used_among(std::span<const TileSpot> tiles) const {
    std::vector<TileSpot> seen;
    int used = 0;
    for (const TileSpot& t : tiles) {
        if (std::any_of(seen.begin(), seen.end(),
                        [&](const TileSpot& s) { return s.column == t.column && s.row == t.row; }))
            continue;
        seen.push_back(t);
        if (tile_used(t.column, t.row)) ++used;
    }
    return used;
}

int TextureUse::used_pixels(int page) const {
    if (page < 0 || page >= pages_) return 0;
    const auto first = mapped_.begin() + std::ptrdiff_t(page) * kPageSide * kPageSide;
    return int(std::count_if(first, first + kPageSide * kPageSide, [](std::uint8_t m) { return m != 0; }));
}

int TextureUse::unused_tiles(int page) const {
    if (page < 0 || page >= pages_) return 0;
    int unused = 0;
    for (int row = page * kTilesAcross; row < (page + 1) * kTilesAcross; ++row)
        for (int column = 0; column < kTilesAcross; ++column) unused += tile_used(column, row) ? 0 : 1;
    return unused;
}

Phrase used_by_faces(int count, Language language) {
    if (count <= 0) return Msg::UsedByNoFace;
    const PluralForm form = plural_form(count, language);
    return Phrase(form == PluralForm::one ? Msg::UsedByOneFace
                  : form == PluralForm::few ? Msg::UsedByFewFaces
                                            : Msg::UsedByFaces)
        .arg(count);
}

int whole_percent(std::int64_t part, std::int64_t whole) {
    if (whole <= 0 || part <= 0) return 0;
    if (part >= whole) return 100;
    const int rounded = int((part * 200 + whole) / (2 * whole));
    return std::clamp(rounded, 1, 99);
}

}  // namespace tilesmith
