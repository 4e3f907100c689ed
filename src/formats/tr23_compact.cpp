// Compacting a Tomb Raider 2 or 3 level: its 16-bit pages moved; the 8-bit
// pages, which the games do not read, are the first of the old ones, as many
// as the new count, since both depths share the count.
#include "core/checked.h"
#include "formats/level_compact_games.h"
#include "formats/level_format.h"

namespace tilesmith {

StoredPages stored_pages_tr23(const std::string& file_name, const FileBytesCopy& bytes) {
    (void)file_name;
    // The walk checked that both depths' pages lie inside the file.
    StoredPages stored;
    stored.pages = int(read_u32le(bytes.data() + kTr2PageCountOffset));
    stored.groups = {{0, stored.pages, true}};
    stored.depths.push_back({2, bytes.data() + kTr2PagesOffset + stored.pages * kPage8Bytes, nullptr});
    return stored;
}

FileBytesCopy write_compacted_tr23(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                   const CompactionPlan& plan, Progress& progress) {
    progress.reset(2);
    const FileBytesCopy moved = with_records_moved(level, bytes, plan);
    const std::vector<std::uint8_t> pages16 = build_pages(plan, stored.depths[0]);
    progress.step();

    const std::int64_t after = plan.summary.pages_after;
    FileBytesCopy out(moved.begin(), moved.begin() + kTr2PagesOffset + after * kPage8Bytes);
    write_u32le(out.data() + kTr2PageCountOffset, std::uint32_t(after));
    out.insert(out.end(), pages16.begin(), pages16.end());
    out.insert(out.end(), moved.begin() + kTr2PagesOffset + stored.pages * (kPage8Bytes + kPage16Bytes),
               moved.end());
    progress.step();
    return out;
}

}  // namespace tilesmith
