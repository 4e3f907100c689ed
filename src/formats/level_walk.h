// Stepping through a level structure by structure by its own counts, for the
// Tomb Raider 1 palette and for the texture references of every level kind.
// Counts are only read, never used to size anything: each stretch is checked
// against the bytes left before the walk moves past it, and the first stretch
// that does not fit stops the walk and is kept as its problem. Bytes after the
// last structure (some tools append their own data) are counted, not refused.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "formats/texture_refs.h"
#include "strings/phrase.h"

namespace tilesmith {

// What a walk reads: a file, or a block of it already inflated.
class LevelBytes {
public:
    virtual ~LevelBytes() = default;
    virtual std::int64_t size() const = 0;
    // Reads `count` bytes from `at`; the caller keeps inside size().
    virtual void read(std::int64_t at, std::uint8_t* out, std::size_t count) = 0;
};

class FileBytes final : public LevelBytes {
public:
    explicit FileBytes(InFile& in) : in_(in) {}
    std::int64_t size() const override { return in_.size(); }
    void read(std::int64_t at, std::uint8_t* out, std::size_t count) override;

private:
    InFile& in_;
};

class BufferBytes final : public LevelBytes {
public:
    BufferBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int64_t size() const override { return std::int64_t(size_); }
    void read(std::int64_t at, std::uint8_t* out, std::size_t count) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Records of one size that the walk has checked to lie inside the bytes.
struct Table {
    std::int64_t at = 0;
    std::int64_t count = 0;
};

class LevelWalker {
public:
    // Walks from `at` up to `end` (the end of the bytes when negative). The
    // walked stretch is the file, or with `in_level_data` its level data block,
    // which the problems then name.
    LevelWalker(LevelBytes& bytes, std::int64_t at, std::int64_t end = -1, bool in_level_data = false);

    bool ok() const { return !problem_; }
    std::int64_t at() const { return at_; }
    // The bytes expect_end() found after the last structure.
    std::int64_t ignored() const { return ignored_; }
    const Phrase& problem() const { return *problem_; }

    // `what` names each stretch for the reader of the walk.
    // A little-endian unsigned count of `width` (2 or 4) bytes; 0 after a failure.
    std::int64_t count(int width, const char* what);
    void skip(std::int64_t count, std::int64_t element_bytes, const char* what);
    void skip_bytes(std::int64_t bytes, const char* what) { skip(1, bytes, what); }
    // The texture pages, whose count the problem names.
    void skip_pages(std::int64_t count, std::int64_t page_bytes);
    // A count of `width` bytes and that many elements.
    void counted(int width, std::int64_t element_bytes, const char* what) {
        skip(count(width, what), element_bytes, what);
    }
    // The same, kept for reading once the walk has succeeded.
    Table table(int width, std::int64_t element_bytes, const char* what);
    // The bytes `text` (a marker such as "TEX") must come next.
    void marker(std::string_view text);
    // `count` (up to 8) 16-bit words that must be zero.
    void zero_words(int count, const char* what);
    // The last structure ends here: what follows is counted as ignored.
    void expect_end();
    void fail(Phrase problem);

private:
    // Moves past `count` elements when they end inside the stretch.
    bool fits(std::int64_t count, std::int64_t element_bytes);
    void fail_beyond() { fail(Phrase(beyond_).arg(at_).arg(end_)); }

    LevelBytes* bytes_;
    std::int64_t at_, end_;
    std::int64_t ignored_ = 0;
    Msg beyond_;
    std::optional<Phrase> problem_;
};

// Where a walk asked for the level's geometry found it: each room's stretch
// and parts, and the mesh tables. Only the places are kept; reading them is
// level_geometry's work once the walk has succeeded.
struct RoomStretch {
    std::int64_t at = 0, end = 0;  // the whole room record
    Table geometry;                // Tomb Raider 1-4: the geometry words
    Table statics;                 // Tomb Raider 1-4: the static meshes placed
    std::int64_t tail = 0;         // Tomb Raider 1-4: the alternate room, then the flags
};
struct GeometryStretches {
    std::vector<RoomStretch> rooms;
    Table mesh_words, mesh_pointers, static_meshes;
    Table animations, mesh_tree_words, frame_words, models;
    Table sprite_sequences, items, animated_words;
};

// The structures the games share, with what differs between them.
struct RoomLayout {
    std::int64_t ambient_bytes, light_bytes, static_mesh_bytes, tail_bytes;
};
// A room of Tomb Raider 1-4: position, geometry words, portals, sectors,
// ambient light, lights, static meshes, then alternate room, flags and more.
// With `keep`, where its parts lie is added to it.
void walk_room(LevelWalker& w, const RoomLayout& room, GeometryStretches* keep = nullptr);
// From the floor data to the static meshes; with `keep`, where the mesh,
// animation, mesh tree, frame and model tables lie.
void walk_meshes_to_static_meshes(LevelWalker& w, std::int64_t animation_bytes, std::int64_t model_bytes,
                                  GeometryStretches* keep = nullptr);
// The boxes, overlaps and zones, then the animated texture words, whose
// place goes to `animated` when given.
void walk_boxes_to_animated_textures(LevelWalker& w, std::int64_t box_bytes, std::int64_t zone_bytes,
                                     Table* animated = nullptr);

// From the cinematic frames to the sample indices, which end the walk; the
// first game keeps its sample bytes before the indices.
void walk_cinematics_to_sample_indices(LevelWalker& w, std::int64_t sound_map_bytes, bool sample_bytes);

// The object textures of a table of `record_bytes` records: a 16-bit
// attribute, the 16-bit page field, `skip_after_page` bytes, then four
// corners of a fraction byte and a whole byte each way. `page_mask` keeps the
// page of the page field; a record is a triangle when `triangle_bit` of the
// page field is set or, with no such bit (0), when its fourth corner is all zero.
struct ObjectTextureLayout {
    std::int64_t record_bytes;
    int skip_after_page;
    std::uint16_t page_mask;
    std::uint16_t triangle_bit;
};
// Tomb Raider 1-3: 20-byte records, the page in the low 15 bits.
constexpr ObjectTextureLayout kTr123ObjectTexture{20, 0, 0x7FFF, 0};
void read_object_textures(LevelBytes& bytes, const Table& table, const ObjectTextureLayout& layout,
                          LevelTextureRefs& refs);
// Sprite textures: 16 bytes each, the page word, x and y bytes, width and
// height words, then left, top, right and bottom words. Tomb Raider 1-3 map
// x, y and the width and height, which hold (pixels - 1) x 256 + 255, and
// the sides place the sprite in the world; Tomb Raider 4 and 5 map the
// sides, pixel edges on the page, and give no size in the world: theirs is
// kSpriteUnitsPerPixel units a pixel, centred across, standing on its place.
constexpr int kSpriteUnitsPerPixel = 4;
constexpr std::int64_t kSpriteTextureBytes = 16;
enum class SpriteMapping { size_words, side_words };
void read_sprite_textures(LevelBytes& bytes, const Table& table, SpriteMapping mapping, LevelTextureRefs& refs);

// Of walks of a file in different orders, the one to trust: one that
// succeeded, with the fewest bytes left after its last structure; ties go to
// the first given. Null when none succeeded.
const LevelWalker* best_walk(std::initializer_list<const LevelWalker*> walks);

// Throws Error naming the file: its texture use cannot be read, and why.
[[noreturn]] void refuse_texture_walk(const std::string& file_name, Phrase problem);

}  // namespace tilesmith
