// What compacting asks of each game's layout: the pages it stores in every
// depth, their groups, and the writing of the copy once the plan is made.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/progress.h"
#include "formats/compaction_plan.h"
#include "formats/level_file.h"

namespace tilesmith {

using FileBytesCopy = std::vector<std::uint8_t>;

// What a game's writer does before the plan is known, while it is made
// (Tomb Raider 4: its level data inflated, and compressed up to its first
// texture record); null where a game has nothing to do ahead.
struct WrittenAhead;

struct StoredPages {
    int pages = 0;
    std::vector<PageGroup> groups;
    std::vector<StoredDepth> depths;  // the ones the copy moves, compared for sharing
    std::shared_ptr<WrittenAhead> ahead;
};

// `bytes` is the whole file `file_name`, whose walk succeeded (Tomb Raider
// 4/5: or is still under way; a damaged file throws Error); the pages may
// point into it, so it outlives them.
StoredPages stored_pages_tr1(const std::string& file_name, const FileBytesCopy& bytes);
StoredPages stored_pages_tr23(const std::string& file_name, const FileBytesCopy& bytes);
StoredPages stored_pages_tr45(const std::string& file_name, const FileBytesCopy& bytes);

// Tomb Raider 4's work ahead of the plan, into `stored`; throws, naming no
// file, when the level data cannot be inflated.
void write_ahead_tr45(const LevelFile& level, const FileBytesCopy& bytes, StoredPages& stored);

FileBytesCopy write_compacted_tr1(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                  const CompactionPlan& plan, Progress& progress);
FileBytesCopy write_compacted_tr23(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                   const CompactionPlan& plan, Progress& progress);
FileBytesCopy write_compacted_tr45(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                   const CompactionPlan& plan, Progress& progress);

// Rewrites, in `records`, where Tomb Raider's object and sprite textures
// point as the plan moves them (`at` their tables' offsets in it): whole-pixel
// corner bytes shifted with their fractions kept, the page field's page with
// its flag bits kept, and the sprite fields of `side_words` (Tomb Raider 4/5)
// or of the page, x and y bytes (1-3); `corners_at` is the corners' offset
// in an object record. Tomb Raider 4/5's extra words (original place, size)
// are left as they are: the sizes do not change and the levels keep 0 there.
void move_texture_records(std::uint8_t* records, const LevelTextureRefs& refs, const CompactionPlan& plan,
                          std::int64_t objects_at, std::int64_t sprites_at, bool side_words, int corners_at);

// Tomb Raider 1-3: a copy of the file with its texture records moved as the
// plan says (their tables lie in the file itself).
FileBytesCopy with_records_moved(const LevelFile& level, const FileBytesCopy& bytes, const CompactionPlan& plan);

}  // namespace tilesmith
