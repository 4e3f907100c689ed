// The level walker and the reading of the texture tables it finds.
#include "formats/level_walk.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/checked.h"
#include "core/error.h"

namespace tilesmith {

void FileBytes::read(std::int64_t at, std::uint8_t* out, std::size_t count) {
    in_.read_at(at, out, count);
}

void BufferBytes::read(std::int64_t at, std::uint8_t* out, std::size_t count) {
    std::memcpy(out, data_ + at, count);
}

LevelWalker::LevelWalker(LevelBytes& bytes, std::int64_t at, std::int64_t end, bool in_level_data)
    : bytes_(&bytes),
      at_(at),
      end_(end < 0 ? bytes.size() : end),
      beyond_(in_level_data ? Msg::LevelDataBeyondEnd : Msg::StructureBeyondEnd) {}

void LevelWalker::fail(Phrase problem) {
    if (ok()) problem_ = std::move(problem);
}

bool LevelWalker::fits(std::int64_t count, std::int64_t element_bytes) {
    const auto bytes = checked_mul(count, element_bytes);
    const auto end = bytes ? checked_add(at_, *bytes) : std::nullopt;
    if (!end || *end > end_) return false;
    at_ = *end;
    return true;
}

std::int64_t LevelWalker::count(int width, const char* /*what*/) {
    if (!ok()) return 0;
    if (at_ + width > end_) {
        fail_beyond();
        return 0;
    }
    std::uint8_t raw[4] = {};
    bytes_->read(at_, raw, std::size_t(width));
    at_ += width;
    return width == 2 ? std::int64_t(read_u16le(raw)) : std::int64_t(read_u32le(raw));
}

void LevelWalker::skip(std::int64_t count, std::int64_t element_bytes, const char* /*what*/) {
    if (ok() && !fits(count, element_bytes)) fail_beyond();
}

void LevelWalker::skip_pages(std::int64_t count, std::int64_t page_bytes) {
    if (ok() && !fits(count, page_bytes)) fail(Phrase(Msg::PagesBeyondEnd).arg(count).arg(end_));
}

Table LevelWalker::table(int width, std::int64_t element_bytes, const char* what) {
    Table t;
    t.count = count(width, what);
    t.at = at_;
    skip(t.count, element_bytes, what);
    return ok() ? t : Table{};
}

void LevelWalker::marker(std::string_view text) {
    if (!ok()) return;
    std::uint8_t raw[8] = {};
    const std::int64_t at = at_;
    skip_bytes(std::int64_t(text.size()), "marker");
    if (ok()) bytes_->read(at, raw, text.size());
    if (ok() && std::memcmp(raw, text.data(), text.size()) != 0)
        fail(Phrase(Msg::MarkerMissing).arg(text.substr(0, text.find('\0'))).arg(at));
}

void LevelWalker::zero_words(int count, const char* what) {
    const std::int64_t at = at_;
    skip(count, 2, what);
    std::uint8_t raw[16] = {};
    if (!ok() || count > 8) return;
    bytes_->read(at, raw, std::size_t(2 * count));
    if (std::any_of(raw, raw + 2 * count, [](std::uint8_t b) { return b != 0; }))
        fail(Phrase(Msg::WordsNotZero).arg(count).arg(at));
}

void LevelWalker::expect_end() {
    if (ok()) ignored_ = end_ - at_;
}

const LevelWalker* best_walk(std::initializer_list<const LevelWalker*> walks) {
    const LevelWalker* best = nullptr;
    for (const LevelWalker* w : walks)
        if (w->ok() && (!best || w->ignored() < best->ignored())) best = w;
    return best;
}

void walk_room(LevelWalker& w, const RoomLayout& room, GeometryStretches* keep) {
    RoomStretch kept;
    kept.at = w.at();
    w.skip_bytes(16, "room position");
    kept.geometry = w.table(4, 2, "room geometry words");
    w.counted(2, 32, "room portals");
    const std::int64_t columns = w.count(2, "room sector");
    const std::int64_t rows = w.count(2, "room sector");
    w.skip(columns * rows, 8, "room sectors");
    w.skip_bytes(room.ambient_bytes, "room ambient light");
    w.counted(2, room.light_bytes, "room lights");
    kept.statics = w.table(2, room.static_mesh_bytes, "room static meshes");
    kept.tail = w.at();
    w.skip_bytes(room.tail_bytes, "room alternate and flags");
    kept.end = w.at();
    if (keep && w.ok()) keep->rooms.push_back(kept);
}

void walk_meshes_to_static_meshes(LevelWalker& w, std::int64_t animation_bytes, std::int64_t model_bytes,
                                  GeometryStretches* keep) {
    w.counted(4, 2, "floor data words");
    const Table mesh_words = w.table(4, 2, "mesh data words");
    const Table mesh_pointers = w.table(4, 4, "mesh pointers");
    const Table animations = w.table(4, animation_bytes, "animations");
    w.counted(4, 6, "state changes");
    w.counted(4, 8, "animation dispatches");
    w.counted(4, 2, "animation commands");
    const Table mesh_tree_words = w.table(4, 4, "mesh tree words");
    const Table frame_words = w.table(4, 2, "frame words");
    const Table models = w.table(4, model_bytes, "models");
    const Table static_meshes = w.table(4, 32, "static meshes");
    if (keep) {
        keep->mesh_words = mesh_words;
        keep->mesh_pointers = mesh_pointers;
        keep->animations = animations;
        keep->mesh_tree_words = mesh_tree_words;
        keep->frame_words = frame_words;
        keep->models = models;
        keep->static_meshes = static_meshes;
    }
}

void walk_boxes_to_animated_textures(LevelWalker& w, std::int64_t box_bytes, std::int64_t zone_bytes,
                                     Table* animated) {
    const std::int64_t boxes = w.count(4, "box");
    w.skip(boxes, box_bytes, "boxes");
    w.counted(4, 2, "overlaps");
    w.skip(boxes, zone_bytes, "zones");
    const Table words = w.table(4, 2, "animated texture words");
    if (animated) *animated = words;
}

void walk_cinematics_to_sample_indices(LevelWalker& w, std::int64_t sound_map_bytes, bool sample_bytes) {
    w.counted(2, 16, "cinematic frames");
    w.counted(2, 1, "demo data bytes");
    w.skip_bytes(sound_map_bytes, "sound map");
    w.counted(4, 8, "sound details");
    if (sample_bytes) w.counted(4, 1, "sample bytes");
    w.counted(4, 4, "sample indices");
    w.expect_end();
}

namespace {

// Records are read a batch at a time, whatever the table's length.
template <typename Each>
void for_each_record(LevelBytes& bytes, const Table& table, std::int64_t record_bytes, Each each) {
    constexpr std::int64_t kBatch = 256;
    std::vector<std::uint8_t> buffer;
    for (std::int64_t first = 0; first < table.count; first += kBatch) {
        const std::int64_t n = std::min(kBatch, table.count - first);
        buffer.resize(std::size_t(n * record_bytes));
        bytes.read(table.at + first * record_bytes, buffer.data(), buffer.size());
        for (std::int64_t i = 0; i < n; ++i) each(buffer.data() + i * record_bytes);
    }
}

// A fraction byte and a whole byte: the whole pixel, one more when the
// fraction says the corner is the high side of that pixel.
std::int16_t corner_of(const std::uint8_t* fraction_and_whole) {
    return std::int16_t(fraction_and_whole[1] + (fraction_and_whole[0] >= 128 ? 1 : 0));
}

}  // namespace

void read_object_textures(LevelBytes& bytes, const Table& table, const ObjectTextureLayout& layout,
                          LevelTextureRefs& refs) {
    refs.objects.reserve(refs.objects.size() + std::size_t(table.count));
    refs.places.objects_at = table.at;
    refs.places.object_record_bytes = layout.record_bytes;
    for_each_record(bytes, table, layout.record_bytes, [&](const std::uint8_t* r) {
        const std::uint16_t page_field = read_u16le(r + 2);
        const std::uint8_t* c = r + 4 + layout.skip_after_page;
        ObjectTextureRef t;
        t.attribute = read_u16le(r);
        t.page = page_field & layout.page_mask;
        for (int k = 0; k < 4; ++k) t.corners[std::size_t(k)] = {corner_of(c + 4 * k), corner_of(c + 4 * k + 2)};
        const bool fourth_empty = read_u32le(c + 12) == 0;
        t.corner_count = (layout.triangle_bit ? (page_field & layout.triangle_bit) != 0 : fourth_empty) ? 3 : 4;
        refs.objects.push_back(t);
    });
}

void read_sprite_textures(LevelBytes& bytes, const Table& table, SpriteMapping mapping, LevelTextureRefs& refs) {
    refs.sprites.reserve(refs.sprites.size() + std::size_t(table.count));
    refs.places.sprites_at = table.at;
    for_each_record(bytes, table, kSpriteTextureBytes, [&](const std::uint8_t* r) {
        const int left = std::int16_t(read_u16le(r + 8)), top = std::int16_t(read_u16le(r + 10));
        const int right = std::int16_t(read_u16le(r + 12)), bottom = std::int16_t(read_u16le(r + 14));
        if (mapping == SpriteMapping::size_words) {
            refs.sprites.push_back({read_u16le(r), r[2], r[3], (read_u16le(r + 4) >> 8) + 1,
                                    (read_u16le(r + 6) >> 8) + 1, left, top, right, bottom});
            return;
        }
        const int width = std::max(right - left, 0), height = std::max(bottom - top, 0);
        const int half = width * kSpriteUnitsPerPixel / 2;
        refs.sprites.push_back({read_u16le(r), left, top, width, height, -half, -height * kSpriteUnitsPerPixel,
                                width * kSpriteUnitsPerPixel - half, 0});
    });
}

void refuse_texture_walk(const std::string& file_name, Phrase problem) {
    throw Error(Msg::TextureUseUnknown, file_name, std::move(problem));
}

}  // namespace tilesmith
