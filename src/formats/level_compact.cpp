// Compacting a level: its checks, its one reading, the plan and the writer of its game.
#include "formats/level_compact.h"

#include <exception>
#include <optional>

#include "core/checked.h"
#include "core/error.h"
#include "core/file_io.h"
#include "core/pool.h"
#include "formats/format_registry.h"
#include "formats/level_compact_games.h"
#include "formats/level_kind.h"
#include "formats/tr1.h"
#include "formats/tr23.h"
#include "formats/tr45.h"
#include "formats/wad.h"

namespace tilesmith {

namespace {

struct Game {
    StoredPages (*stored)(const std::string&, const FileBytesCopy&);
    FileBytesCopy (*write)(const LevelFile&, const FileBytesCopy&, const StoredPages&, const CompactionPlan&,
                           Progress&);
    void (*ahead)(const LevelFile&, const FileBytesCopy&, StoredPages&) = nullptr;
};

// The writer of a walked level; refuses images, object packages and levels
// not walked to their end.
Game game_of(const LevelFile& level) {
    if (!level.is_level() || level.format == &kWadFormat)
        throw Error(Msg::CompactRefused, level.name, Msg::CompactNotALevel);
    if (!level.walked() || !level.level) {
        const Phrase why = level.walk_reason ? *level.walk_reason : Phrase(Msg::CompactNotALevel);
        throw Error(Msg::CompactRefused, level.name, why);
    }
    switch (level.level->game) {
        case 1: return {stored_pages_tr1, write_compacted_tr1};
        case 2:
        case 3: return {stored_pages_tr23, write_compacted_tr23};
        case 4:
        case 5: return {stored_pages_tr45, write_compacted_tr45, write_ahead_tr45};
        default: throw Error(Msg::CompactRefused, level.name, Msg::CompactNotALevel);
    }
}

// The game (1-5) a level's first bytes name under its extension; 0 for none.
int game_of_first_bytes(const FileBytesCopy& bytes, const std::string& name) {
    const LevelKind kind = level_kind_of(bytes.data(), bytes.size(), file_extension(name));
    return kind.version && kind.taken ? kind.version->game : 0;
}

FileBytesCopy whole_file(const std::string& name) {
    InFile in(name);
    FileBytesCopy bytes(std::size_t(in.size()));
    in.read_exact(bytes.data(), bytes.size());
    return bytes;
}

CompactionPlan plan_of(const LevelFile& level, const StoredPages& stored) {
    const LevelTextureRefs& refs = level.level->textures;
    return plan_pages(object_areas(refs, stored.pages, level.name), sprite_areas(refs, stored.pages, level.name),
                      stored.pages, stored.groups, stored.depths);
}

}  // namespace

void move_texture_records(std::uint8_t* records, const LevelTextureRefs& refs, const CompactionPlan& plan,
                          std::int64_t objects_at, std::int64_t sprites_at, bool side_words, int corners_at) {
    const std::int64_t record_bytes = refs.places.object_record_bytes;
    for (std::size_t i = 0; i < plan.objects.size(); ++i) {
        const TextureMove& m = plan.objects[i];
        std::uint8_t* r = records + objects_at + std::int64_t(i) * record_bytes;
        write_u16le(r + 2, std::uint16_t((read_u16le(r + 2) & 0x8000) | m.page));
        std::uint8_t* c = r + corners_at;
        for (int k = 0; k < refs.objects[i].corner_count; ++k) {
            c[4 * k + 1] = std::uint8_t(c[4 * k + 1] + m.dx);
            c[4 * k + 3] = std::uint8_t(c[4 * k + 3] + m.dy);
        }
    }
    for (std::size_t i = 0; i < plan.sprites.size(); ++i) {
        const TextureMove& m = plan.sprites[i];
        std::uint8_t* r = records + sprites_at + std::int64_t(i) * 16;
        write_u16le(r, std::uint16_t(m.page));
        if (side_words) {
            for (const int at : {8, 12}) write_u16le(r + at, std::uint16_t(read_u16le(r + at) + m.dx));
            for (const int at : {10, 14}) write_u16le(r + at, std::uint16_t(read_u16le(r + at) + m.dy));
        } else {
            r[2] = std::uint8_t(r[2] + m.dx);
            r[3] = std::uint8_t(r[3] + m.dy);
        }
    }
}

FileBytesCopy with_records_moved(const LevelFile& level, const FileBytesCopy& bytes, const CompactionPlan& plan) {
    FileBytesCopy moved = bytes;
    const TextureTablePlaces& at = level.level->textures.places;
    move_texture_records(moved.data(), level.level->textures, plan, at.objects_at, at.sprites_at, false, 4);
    return moved;
}

CompactionSummary plan_compaction(const LevelFile& level) {
    const Game game = game_of(level);
    return naming_file(Msg::CannotReadFile, level.name, [&] {
        const FileBytesCopy bytes = whole_file(level.name);
        return plan_of(level, game.stored(level.name, bytes)).summary;
    });
}

CompactionSummary compact_level(const std::string& level_name, const std::string& output, Progress& progress) {
    if (same_file(output, level_name)) throw Error(Phrase(Msg::CompactIntoItself).arg(level_name));
    progress.reset(4);
    // The walk runs beside the reading of the file, and of a Tomb Raider 4/5
    // level's pages (their blocks take the longest to inflate). What that
    // reading meets is told only once the walk has found a level.
    CountingProgress walking;
    LevelFile level;
    FileBytesCopy bytes;
    std::optional<StoredPages> early;
    std::exception_ptr early_failure;
    WorkerPool::shared().run_beside(
        [&] {
            level = naming_file(Msg::CannotReadFile, level_name, [&] {
                return read_level_file(level_name, ReaderOptions{}, walking, LevelParts::walk_only);
            });
        },
        [&] {
            try {
                naming_file(Msg::CannotReadFile, level_name, [&] {
                    bytes = whole_file(level_name);
                    if (game_of_first_bytes(bytes, level_name) >= 4) early = stored_pages_tr45(level_name, bytes);
                });
            } catch (...) {
                early_failure = std::current_exception();
            }
        });
    const Game game = game_of(level);
    if (early_failure) std::rethrow_exception(early_failure);
    progress.step();
    FileBytesCopy written;
    CompactionPlan plan;
    naming_file(Msg::CannotReadFile, level_name, [&] {
        StoredPages stored = early && game.stored == stored_pages_tr45 ? std::move(*early)
                                                                        : game.stored(level_name, bytes);
        // The writer's work that needs no plan goes beside the plan.
        WorkerPool::shared().run_beside(
            [&] {
                if (game.ahead) game.ahead(level, bytes, stored);
            },
            [&] { plan = plan_of(level, stored); });
        progress.step();
        ProgressShare writing(progress, 2, 3);
        // Pages that cannot shrink stay as they were, and so does the whole file.
        written = plan.summary.pages_after < plan.summary.pages_before
                      ? game.write(level, bytes, stored, plan, writing)
                      : bytes;
    });
    progress.step();
    naming_file(Msg::CannotWriteFile, output, [&] { write_file_atomic(output, written.data(), written.size()); });
    return plan.summary;
}

}  // namespace tilesmith
