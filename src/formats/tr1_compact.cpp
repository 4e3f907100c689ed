// Compacting a Tomb Raider 1 level: its 8-bit pages moved as palette
// indices, the palette and everything after the pages kept.
#include <algorithm>

#include "core/checked.h"
#include "formats/level_compact_games.h"
#include "formats/level_format.h"
#include "formats/tr1.h"

namespace tilesmith {

StoredPages stored_pages_tr1(const std::string& file_name, const FileBytesCopy& bytes) {
    // The walk checked that the count's pages lie inside the file.
    (void)file_name;
    StoredPages stored;
    stored.pages = int(read_u32le(bytes.data() + kTr1PageCountOffset));
    stored.groups = {{0, stored.pages, true}};
    stored.depths.push_back({1, bytes.data() + kTr1PagesOffset, nullptr});
    return stored;
}

FileBytesCopy write_compacted_tr1(const LevelFile& level, const FileBytesCopy& bytes, const StoredPages& stored,
                                  const CompactionPlan& plan, Progress& progress) {
    progress.reset(2);
    const FileBytesCopy moved = with_records_moved(level, bytes, plan);
    const std::vector<std::uint8_t> pages = build_pages(plan, stored.depths[0]);
    progress.step();

    // The head, the new pages, then everything after the old ones.
    const auto rest = moved.begin() + kTr1PagesOffset + stored.pages * kPage8Bytes;
    FileBytesCopy out(std::size_t(kTr1PagesOffset) + pages.size() + std::size_t(moved.end() - rest));
    auto to = std::copy(moved.begin(), moved.begin() + kTr1PagesOffset, out.begin());
    to = std::copy(pages.begin(), pages.end(), to);
    std::copy(rest, moved.end(), to);
    write_u32le(out.data() + kTr1PageCountOffset, std::uint32_t(plan.summary.pages_after));
    progress.step();
    return out;
}

}  // namespace tilesmith
