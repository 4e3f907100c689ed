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
    place(refs);
}

TextureUse::TextureUse(const LevelGeometry& level, int pages)
    : pages_(std::max(pages, 0)),
      object_count_(int(level.textures.objects.size())),
      sprite_count_(int(level.textures.sprites.size())),
      mapped_(std::size_t(pages_) * kPageSide * kPageSide, 0),
      tiles_(std::size_t(pages_) * kTilesAcross * kTilesAcross) {
    count_placed(level);
    place(level.textures);
}

void TextureUse::place(const LevelTextureRefs& refs) {
    faces_.reserve(refs.objects.size());
    rects_.reserve(refs.sprites.size());
    for (std::size_t t = 0; t < refs.objects.size(); ++t) {
        const std::size_t placed = faces_.size();
        place_face(refs.objects[t], !counts_placed_ || room_faces_[t] + object_faces_[t] > 0);
        if (faces_.size() > placed) face_texture_.push_back(int(t));
    }
    for (std::size_t t = 0; t < refs.sprites.size(); ++t) {
        const std::size_t placed = rects_.size();
        place_rect(refs.sprites[t], !counts_placed_ || sprites_placed_[t] > 0);
        if (rects_.size() > placed) rect_texture_.push_back(int(t));
    }
}

void TextureUse::count_placed(const LevelGeometry& level) {
    const std::size_t textures = level.textures.objects.size(), sprites = level.textures.sprites.size();
    room_faces_.assign(textures, 0);
    object_faces_.assign(textures, 0);
    sprites_placed_.assign(sprites, 0);
    const auto count_faces = [&](const std::vector<GeometryFace>& faces, std::vector<int>& into) {
        for (const GeometryFace& f : faces)
            if (f.texture < textures) ++into[f.texture];
    };
    const auto count_mesh = [&](int mesh) {
        if (mesh >= 0 && std::size_t(mesh) < level.meshes.size()) count_faces(level.meshes[std::size_t(mesh)].faces, object_faces_);
    };
    const auto count_sprite = [&](std::int64_t texture) {
        if (texture >= 0 && std::size_t(texture) < sprites) ++sprites_placed_[std::size_t(texture)];
    };
    for (const RoomGeometry& room : level.rooms) {
        count_faces(room.quads, room_faces_);
        count_faces(room.triangles, room_faces_);
        for (const PlacedStatic& placed : room.statics)
            if (const StaticMeshDef* def = level.static_mesh(placed.mesh_id)) count_mesh(def->mesh);
        for (const RoomSprite& sprite : room.sprites) count_sprite(sprite.texture);
    }
    // Moveables as the game draws them, so that the count agrees with the 3D view.
    for (const PlacedItem& item : level.items) {
        if (const MoveableDef* moveable = level.moveable(item.type)) {
            for (std::size_t k = 0; k < moveable->meshes.size(); ++k) count_mesh(level.drawn_mesh(*moveable, k));
        } else if (const SpriteSequence* sequence = level.sprite_sequence(item.type); sequence && sequence->count > 0) {
            count_sprite(sequence->first);
        }
    }
    // A face of an animated texture shows every texture of its range in turn.
    for (const AnimatedRange& range : level.animated) {
        int rooms = 0, objects = 0;
        std::vector<std::uint16_t> members;
        for (const std::uint16_t t : range.textures)
            if (t < textures && std::find(members.begin(), members.end(), t) == members.end()) members.push_back(t);
        for (const std::uint16_t t : members) {
            rooms += room_faces_[t];
            objects += object_faces_[t];
        }
        for (const std::uint16_t t : members) {
            room_faces_[t] = std::max(room_faces_[t], rooms);
            object_faces_[t] = std::max(object_faces_[t], objects);
        }
    }
    counts_placed_ = true;
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

void TextureUse::place_face(const ObjectTextureRef& ref, bool sampled) {
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

    const std::uint8_t mark = sampled ? 3 : 1;
    std::uint16_t touched = 0;  // the page's 16 tiles, a bit each
    for (int y = std::max(low, 0); y < std::min(high, kPageSide); ++y)
        face_row(face, top + y, [&](int from, int to) {
            std::uint8_t* row = &mapped_[(std::size_t(top) + std::size_t(y)) * kPageSide];
            for (std::uint8_t* p = row + from; p <= row + to; ++p) *p |= mark;
            for (int column = from / kTileSide; column <= to / kTileSide; ++column)
                touched |= std::uint16_t(1u << ((y / kTileSide) * kTilesAcross + column));
        });
    for (int t = 0; t < kTilesAcross * kTilesAcross; ++t)
        if (touched & (1u << t)) ++tiles_[tile_index(t % kTilesAcross, ref.page * kTilesAcross + t / kTilesAcross)].objects;
}

void TextureUse::place_rect(const SpriteTextureRef& ref, bool sampled) {
    if (ref.page < 0 || ref.page >= pages_) {
        ++off_page_;
        return;
    }
    const int x0 = std::clamp(ref.x, 0, kPageSide), x1 = std::clamp(ref.x + ref.width, 0, kPageSide);
    const int y0 = std::clamp(ref.y, 0, kPageSide), y1 = std::clamp(ref.y + ref.height, 0, kPageSide);
    const int top = ref.page * kPageSide;
    rects_.push_back({x0, top + y0, x1 - x0, y1 - y0});
    if (x0 == x1 || y0 == y1) return;
    const std::uint8_t mark = sampled ? 3 : 1;
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* row = &mapped_[(std::size_t(top) + std::size_t(y)) * kPageSide];
        for (int x = x0; x < x1; ++x) row[x] |= mark;
    }
    for (int row = y0 / kTileSide; row <= (y1 - 1) / kTileSide; ++row)
        for (int column = x0 / kTileSide; column <= (x1 - 1) / kTileSide; ++column)
            ++tiles_[tile_index(column, ref.page * kTilesAcross + row)].sprites;
}

bool TextureUse::used(int x, int y) const {
    if (x < 0 || x >= kPageSide || y < 0 || y >= pages_ * kPageSide) return false;
    return (mapped_[std::size_t(y) * kPageSide + std::size_t(x)] & 1) != 0;
}

bool TextureUse::sampled(int x, int y) const {
    if (!used(x, y)) return false;
    return (mapped_[std::size_t(y) * kPageSide + std::size_t(x)] & 2) != 0;
}

PixelUse TextureUse::placed_at(int x, int y) const {
    PixelUse use;
    if (!counts_placed_ || !sampled(x, y)) return use;
    for (std::size_t i = 0; i < faces_.size(); ++i)
        face_row(faces_[i], y, [&](int from, int to) {
            if (from > x || x > to) return;
            use.room_faces += room_faces_[std::size_t(face_texture_[i])];
            use.object_faces += object_faces_[std::size_t(face_texture_[i])];
        });
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        const MappedRect& r = rects_[i];
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
            use.sprites += sprites_placed_[std::size_t(rect_texture_[i])];
    }
    return use;
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
    return int(std::count_if(first, first + kPageSide * kPageSide, [](std::uint8_t m) { return (m & 1) != 0; }));
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

namespace {

Msg by_form(long long count, Language language, Msg one, Msg few, Msg many) {
    const PluralForm form = plural_form(count, language);
    return form == PluralForm::one ? one : form == PluralForm::few ? few : many;
}

}  // namespace

Phrase used_by(const PixelUse& use, Language language) {
    if (use.faces() <= 0 && use.sprites <= 0) return Msg::UsedByNoFace;
    if (use.faces() <= 0)
        return Phrase(by_form(use.sprites, language, Msg::UsedByOneSprite, Msg::UsedByFewSprites, Msg::UsedBySprites))
            .arg(use.sprites);
    Phrase faces = Phrase(Msg::UsedByFacesWhere)
                       .arg(used_by_faces(use.faces(), language))
                       .arg(use.room_faces)
                       .arg(use.object_faces);
    if (use.sprites <= 0) return faces;
    return Phrase(by_form(use.sprites, language, Msg::AndOneSprite, Msg::AndFewSprites, Msg::AndSprites))
        .arg(std::move(faces))
        .arg(use.sprites);
}

int whole_percent(std::int64_t part, std::int64_t whole) {
    if (whole <= 0 || part <= 0) return 0;
    if (part >= whole) return 100;
    const int rounded = int((part * 200 + whole) / (2 * whole));
    return std::clamp(rounded, 1, 99);
}

}  // namespace tilesmith
