// Compacting a Tomb Raider 4 or 5 level: the 32-bit and 16-bit blocks rebuilt
// with the room, object and bump pages each packed within its own group; the
// sky and font block and everything else copied; the level data block (zlib
// in 4, plain in 5) with its texture records moved.
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/zeroed_buffer.h"
#include "formats/deflate_blocks.h"
#include "formats/level_compact_games.h"
#include "formats/level_format.h"

namespace tilesmith {

namespace {

constexpr std::int64_t kGroupCountsOffset = 4;  // room, object and bump pages, 16 bits each

FileBytesCopy inflated(const FileBytesCopy& bytes, std::int64_t at, std::int64_t packed, std::int64_t unpacked,
                       Phrase damaged) {
    FileBytesCopy out(std::size_t(std::max<std::int64_t>(unpacked, 0)));
    if (at < 0 || packed < 0 || at + packed > std::int64_t(bytes.size()) ||
        !inflate_whole(bytes.data() + at, std::size_t(packed), out.data(), out.size()))
        throw Error(std::move(damaged));
    return out;
}

// A texture block inflated into zeros that hold at least `pages` pages of
// `page_bytes` each; what the stream does not reach stays zero.
std::shared_ptr<const ZeroedBuffer> inflated_block(const FileBytesCopy& bytes, std::int64_t at,
                                                   std::int64_t packed, std::int64_t unpacked, int pages,
                                                   std::int64_t page_bytes, int bits) {
    unpacked = std::max<std::int64_t>(unpacked, 0);
    auto out = std::make_shared<ZeroedBuffer>(std::size_t(std::max(unpacked, pages * page_bytes)));
    if (at < 0 || packed < 0 || at + packed > std::int64_t(bytes.size()) ||
        !inflate_whole(bytes.data() + at, std::size_t(packed), out->data(), std::size_t(unpacked)))
        throw Error(Phrase(Msg::TextureBlockDamaged).arg(bits).arg(unpacked));
    return out;
}

Phrase level_data_damaged(const TextureTablePlaces& at) {
    return Phrase(Msg::LevelDataCannotInflate).arg(at.level_data_unpacked);
}

void put_u32(FileBytesCopy& out, std::int64_t value) {
    std::uint8_t raw[4];
    write_u32le(raw, std::uint32_t(value));
    out.insert(out.end(), raw, raw + 4);
}

}  // namespace

// Tomb Raider 4's level data, inflated, and its zlib stream begun up to the
// first texture record the plan may move.
struct WrittenAhead {
    FileBytesCopy level_data;
    std::optional<SplitDeflate> packed;
};

namespace {

std::shared_ptr<WrittenAhead> level_data_ahead(const LevelFile& level, const FileBytesCopy& bytes) {
    const TextureTablePlaces& at = level.level->textures.places;
    auto ahead = std::make_shared<WrittenAhead>();
    ahead->level_data = inflated(bytes, at.level_data_at, at.level_data_bytes, at.level_data_unpacked,
                                 level_data_damaged(at));
    const std::int64_t head =
        std::clamp<std::int64_t>(std::min(at.objects_at, at.sprites_at), 0, std::int64_t(ahead->level_data.size()));
    ahead->packed.emplace(ahead->level_data.data(), std::size_t(head));
    return ahead;
}

}  // namespace

void write_ahead_tr45(const LevelFile& level, const FileBytesCopy& bytes, StoredPages& stored) {
    if (level.level->game == 4) stored.ahead = level_data_ahead(level, bytes);
}

StoredPages stored_pages_tr45(const std::string& file_name, const FileBytesCopy& bytes) {
    InFile in(file_name);
    const Tr45Layout layout = parse_tr45_layout(in, file_name, Tr45Parts::both_blocks);
    StoredPages stored;
    stored.pages = int(layout.pages);
    const int rooms = read_u16le(bytes.data() + kGroupCountsOffset);
    const int objects = read_u16le(bytes.data() + kGroupCountsOffset + 2);
    const int bumps = read_u16le(bytes.data() + kGroupCountsOffset + 4);
    // Each bump page belongs to a room page, so a level with bump pages keeps
    // its room and bump pages where they are; counts that do not add up to
    // the pages keep every page.
    if (rooms + objects + bumps == stored.pages)
        stored.groups = {{0, rooms, bumps == 0}, {rooms, objects, true}, {rooms + objects, bumps, false}};
    else
        stored.groups = {{0, stored.pages, false}};

    // Both blocks at once, one on each core.
    std::shared_ptr<const ZeroedBuffer> block32, block16;
    CountingProgress inflating;
    run_on_pool({[&] {
                     block32 = inflated_block(bytes, kTr45BlockOffset, layout.packed32, layout.unpacked32,
                                              stored.pages, kPage32Bytes, 32);
                 },
                 [&] {
                     block16 = inflated_block(bytes, kTr45BlockOffset + layout.packed32 + 8, layout.packed16,
                                              layout.unpacked16, stored.pages, kPage16Bytes, 16);
                 }},
                inflating);
    stored.depths.push_back({4, block32->data(), block32});
    stored.depths.push_back({2, block16->data(), block16});
    return stored;
}

FileBytesCopy write_compacted_tr45(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                   const CompactionPlan& plan, Progress& progress) {
    InFile in(level.name);
    const Tr45Layout layout = parse_tr45_layout(in, level.name, Tr45Parts::both_blocks);
    const LevelTextureRefs& refs = level.level->textures;
    const TextureTablePlaces& at = refs.places;
    const bool tr4 = level.level->game == 4;

    // Tomb Raider 4's records lie in its inflated level data (inflated, and
    // its stream begun, while the plan was made), 5's in the file (moved once
    // the copy holds them).
    const std::shared_ptr<WrittenAhead> ahead =
        stored.ahead || !tr4 ? stored.ahead : level_data_ahead(level, bytes);
    if (ahead) move_texture_records(ahead->level_data.data(), refs, plan, at.objects_at, at.sprites_at, true, 6);
    const std::vector<std::uint8_t> pages32 = build_pages(plan, stored.depths[0]);
    const std::vector<std::uint8_t> pages16 = build_pages(plan, stored.depths[1]);
    std::vector<std::uint8_t> packed32, packed16, packed_data;
    // Quickly rather than smallest: the copy is already smaller by its pages.
    std::vector<std::function<void()>> works{[&] { packed32 = deflate_quick(pages32.data(), pages32.size()); },
                                             [&] { packed16 = deflate_quick(pages16.data(), pages16.size()); }};
    if (tr4)
        works.push_back([&] {
            packed_data = ahead->packed->finish(ahead->level_data.data(), ahead->level_data.size());
        });
    progress.reset(int(works.size()) + 1);
    run_on_pool(works, progress);

    FileBytesCopy out;
    out.reserve(bytes.size() + packed32.size() + packed16.size() + packed_data.size());
    out.assign(bytes.begin(), bytes.begin() + kTr45SizesOffset);
    if (plan.group_pages.size() == 3)
        for (int g = 0; g < 3; ++g)
            write_u16le(out.data() + kGroupCountsOffset + 2 * g, std::uint16_t(plan.group_pages[std::size_t(g)]));
    put_u32(out, std::int64_t(pages32.size()));
    put_u32(out, std::int64_t(packed32.size()));
    out.insert(out.end(), packed32.begin(), packed32.end());
    put_u32(out, std::int64_t(pages16.size()));
    put_u32(out, std::int64_t(packed16.size()));
    out.insert(out.end(), packed16.begin(), packed16.end());
    if (tr4) {
        // The sky and font block up to the level data's sizes, then the new stream.
        out.insert(out.end(), bytes.begin() + layout.rest, bytes.begin() + at.level_data_at - 8);
        put_u32(out, std::int64_t(ahead->level_data.size()));
        put_u32(out, std::int64_t(packed_data.size()));
        out.insert(out.end(), packed_data.begin(), packed_data.end());
        out.insert(out.end(), bytes.begin() + at.level_data_at + at.level_data_bytes, bytes.end());
    } else {
        const std::int64_t rest_at = std::int64_t(out.size());
        out.insert(out.end(), bytes.begin() + layout.rest, bytes.end());
        const std::int64_t shift = rest_at - layout.rest;
        move_texture_records(out.data(), refs, plan, at.objects_at + shift, at.sprites_at + shift, true, 6);
    }
    progress.step();
    return out;
}

}  // namespace tilesmith
