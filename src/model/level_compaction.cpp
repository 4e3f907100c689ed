// Compacting a pane's level: the question's sentences, the copy's name, and
// the file service's tasks that plan the copy and write it.
#include "model/level_compaction.h"

#include <filesystem>

#include "core/error.h"
#include "formats/level_compact.h"
#include "formats/level_file.h"
#include "model/file_service.h"

namespace tilesmith {

std::vector<Phrase> compaction_sentences(const CompactionPreview& preview) {
    const CompactionSummary& s = preview.summary;
    const std::string name = std::filesystem::path(preview.level).filename().string();
    std::vector<Phrase> lines{Phrase(Msg::CompactHeading).arg(name),
                              Phrase(Msg::CompactPages).arg(s.pages_before).arg(s.pages_after),
                              Phrase(Msg::CompactTextureCounts).arg(s.object_textures).arg(s.sprite_textures),
                              Phrase(Msg::CompactAreas).arg(s.kept).arg(s.shared).arg(s.dropped)};
    // Their 8-bit pages are the first of the old ones, untouched.
    if (preview.game == 2 || preview.game == 3) lines.emplace_back(Msg::CompactEightBitKept);
    if (s.pages_after >= s.pages_before) lines.emplace_back(Msg::CompactNoShrink);
    return lines;
}

Phrase compaction_summary(const CompactionSummary& s) {
    return Phrase(Msg::CompactSummary)
        .arg(s.pages_before)
        .arg(s.pages_after)
        .arg(s.object_textures)
        .arg(s.sprite_textures)
        .arg(s.kept)
        .arg(s.shared)
        .arg(s.dropped);
}

std::string compacted_copy_name(const std::string& level) {
    const std::filesystem::path path(level);
    return path.stem().string() + "-compact" + path.extension().string();
}

Task FileService::plan_compaction(std::string level, std::function<void(const CompactionPreview&)> then) {
    Job::Work work = [level, then = std::move(then)](Progress& progress) -> Job::Commit {
        // Read again: the pane keeps the level's structures, not its file's bytes.
        const LevelFile file = naming_file(Msg::CannotReadFile, level, [&] {
            return read_level_file(level, ReaderOptions{}, progress, LevelParts::walk_only);
        });
        CompactionPreview preview{level, file.level ? file.level->game : 0, tilesmith::plan_compaction(file)};
        return [then, preview] {
            if (then) then(preview);
        };
    };
    return document_.hand_out(std::move(work));
}

Task FileService::compact_level(std::string level, std::string output,
                                std::function<void(const CompactionSummary&)> then) {
    Job::Work work = [level, output, then = std::move(then)](Progress& progress) -> Job::Commit {
        const CompactionSummary summary = tilesmith::compact_level(level, output, progress);
        return [then, summary] {
            if (then) then(summary);
        };
    };
    return document_.hand_out(std::move(work));
}

}  // namespace tilesmith
