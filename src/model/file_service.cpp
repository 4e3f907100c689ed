// The files as tasks: open with the whole level, save, the export, its check
// and its preview.
#include <algorithm>
#include <filesystem>
#include <memory>

#include "core/error.h"
#include "formats/dispatch.h"
#include "formats/export_check.h"
#include "formats/format_registry.h"
#include "formats/level_export.h"
#include "formats/level_file.h"
#include "formats/save_checks.h"
#include "model/file_service.h"

namespace tilesmith {

namespace {

// A copy of the target for work that writes it while the window goes on.
std::shared_ptr<const Package> snapshot(const Package& target) {
    auto copy = std::make_shared<Package>(target.width(), target.height(), target.brush());
    copy->copy_rect(target, 0, 0, target.width(), target.height(), 0, 0);
    return copy;
}

// A file read aside, not yet in the workspace.
struct OpenedFile {
    std::optional<ReadResult> result;  // nullopt: a file of no kind we read
    Package package;
    std::shared_ptr<PaneOrigin> origin = std::make_shared<PaneOrigin>();
    std::optional<Phrase> use_note;  // why the texture use could not be read, or what it left out
};

// How many of `after`'s tiles differ from the base's pages and how many of
// them the level maps; nullopt when the base's use is unknown: the output is
// written all the same, and the note says only that.
std::optional<Phrase> export_note(const LevelFile& base, const Package& after) {
    try {
        if (!base.level || !base.result || base.result->refused()) return std::nullopt;
        const Package& before = base.package;
        const TextureUse use(base.level->textures, before.height() / kPageSide);
        std::vector<TileSpot> changed;
        for (int row = 0; row * kTileSide < after.height(); ++row)
            for (int column = 0; column * kTileSide < after.width(); ++column) {
                bool same = true;
                for (int y = row * kTileSide; same && y < std::min(after.height(), (row + 1) * kTileSide); ++y)
                    for (int x = column * kTileSide; same && x < std::min(after.width(), (column + 1) * kTileSide); ++x)
                        same = after.pixel(x, y) == before.pixel(x, y);
                if (!same) changed.push_back({column, row});
            }
        return Phrase(Msg::TilesChangedUsed).arg(changed.size()).arg(use.used_among(changed));
    } catch (const Error&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace

Task FileService::open(Side side, std::string file_name, std::function<void(const OpenAnswer&)> then) {
    const ReaderOptions reader{options_.eight_bit, options_.correct_transparent_color};
    Job::Work work = [this, side, file_name, reader, then = std::move(then)](Progress& progress) -> Job::Commit {
        // Read aside, once: an error or a refusal leaves the workspace as it was.
        auto opened = std::make_shared<OpenedFile>();
        // The texture use and the scene need only the level's value: they are
        // made while its pages decode, for the pages its header announces.
        std::shared_ptr<const TextureUse> use;
        std::shared_ptr<const LevelScene> scene;
        int made_for = -1;
        const auto make = [&](const LevelFile& walked, int pages) {
            made_for = pages;
            use = std::make_shared<TextureUse>(*walked.level, pages);
            if (walked.is_level() && !walked.rooms_problem) scene = std::make_shared<LevelScene>(*walked.level, pages);
        };
        LevelFile file = read_level_file(file_name, reader, progress, LevelParts::pages_and_walk, make);
        opened->result = std::move(file.result);
        opened->package = std::move(file.package);
        opened->origin->file = file_name;
        if (opened->result && !opened->result->refused()) {
            // A level whose structures cannot be walked still opens, and says why once.
            const int pages = opened->package.height() / kPageSide;
            if (file.level && made_for != pages) make(file, pages);
            opened->origin->level = file.level;
            opened->origin->use = use;
            opened->use_note = file.level ? file.ignored_bytes_warning() : file.use_problem;
            // The pages are read; only the 3D view goes without, and says why.
            opened->origin->scene = scene;
            if (file.is_level() && !scene) opened->origin->scene_problem = file.rooms_problem ? file.rooms_problem : file.use_problem;
        }
        return [this, side, file_name, opened, then] {
            OpenAnswer answer;
            if (opened->result) {
                answer.recognised = true;
                if (opened->result->refused()) {
                    answer.refusal = opened->result->refusal;
                    answer.note = opened->result->refusal_text();
                } else {
                    take_opened(side, std::move(opened->package), opened->origin, opened->use_note);
                    answer.note = opened->result->warning ? opened->result->warning : opened->result->note;
                }
            } else {
                answer.note = no_known_kind(file_name);
            }
            if (then) then(answer);
        };
    };
    return document_.hand_out(std::move(work));
}

void FileService::take_opened(Side side, Package package, std::shared_ptr<const PaneOrigin> origin,
                              std::optional<Phrase> note) {
    const std::string file_name = origin->file;
    recent_.add_recent_file(file_name);
    if (side == Side::source) {
        use_source(std::move(package));
        origins_.set_source(std::move(origin), std::move(note));
        return;
    }
    // Save writes back to an image of a kind we write; a level or an object
    // package is saved under a new name. The brush stays the target's.
    package.set_brush(document_.target().brush());
    document_.open_target(std::move(package), can_write_back(file_name) ? file_name : std::string(), std::move(origin));
    origins_.set_target_note(std::move(note));
    views_.reset(Side::target, document_.target());
}

void FileService::use_source(Package package) {
    document_.replace_source(std::move(package));
    origins_.set_source(nullptr);
    views_.reset(Side::source, document_.source());
}

std::optional<Phrase> FileService::save_question(const std::string& file_name) const {
    return transparency_loss_question(file_name, document_.target());
}

Task FileService::save(std::string file_name, std::function<void(bool written)> then) {
    // The target as it is now; the revision written is this one, whatever
    // happens to the target meanwhile.
    const Revision revision = document_.revision();
    Job::Work work = [this, file_name, revision, then = std::move(then),
                      target = snapshot(document_.target())](Progress& progress) -> Job::Commit {
        const bool written = write_package(file_name, *target, progress);
        return [this, file_name, revision, then, written] {
            if (written) document_.mark_saved(revision, file_name);
            if (then) then(written);
        };
    };
    return document_.hand_out(std::move(work));
}

Task FileService::check_export_base(std::string base, std::function<void(const std::optional<Phrase>&)> then) {
    // The check needs only the target's size.
    const int width = document_.target().width(), height = document_.target().height();
    Job::Work work = [base, width, height, then = std::move(then)](Progress& progress) -> Job::Commit {
        progress.reset(1);
        std::optional<Phrase> refusal;
        try {
            refusal = export_base_refusal(base, width, height);
        } catch (const Error& e) {
            refusal = e.phrase();
        }
        progress.step();
        return [then, refusal] {
            if (then) then(refusal);
        };
    };
    return document_.hand_out(std::move(work));
}

Task FileService::export_level(std::string output, std::string base,
                               std::function<void(const ExportOutcome&)> then) {
    Job::Work work = [output, base, then = std::move(then), target = snapshot(document_.target()),
                      correct_transparent_color = options_.correct_transparent_color](Progress& progress) -> Job::Commit {
        ExportOutcome outcome;
        // The base is read once, with its pages for the note of what changed.
        LevelFile base_read;
        const ExportResult result =
            tilesmith::export_level(output, base, *target, progress, &base_read, ReaderOptions{false, correct_transparent_color});
        outcome.refusal = refusal_message(result);
        // What the export changed among the tiles the level maps; written is
        // written, whatever this part meets.
        if (!outcome.refusal) outcome.note = export_note(base_read, *target);
        return [then, outcome] {
            if (then) then(outcome);
        };
    };
    return document_.hand_out(std::move(work));
}

Task FileService::preview_on(std::string base, std::function<void()> then) {
    const int pages = document_.target().height() / kPageSide;
    Job::Work work = [this, base, pages, then = std::move(then)](Progress& progress) -> Job::Commit {
        auto preview = std::make_shared<PaneOrigin>();
        preview->file = base;
        progress.reset(1);
        try {
            CountingProgress reading;
            const LevelFile file = read_level_file(base, ReaderOptions{}, reading, LevelParts::walk_only);
            preview->level = file.level;
            if (file.level && !file.rooms_problem) preview->scene = std::make_shared<LevelScene>(*file.level, pages);
            else preview->scene_problem = file.rooms_problem ? file.rooms_problem : file.use_problem;
        } catch (const Error& e) {
            preview->scene_problem = e.phrase();
        }
        progress.step();
        return [this, preview, then] {
            origins_.set_preview(preview);
            if (then) then();
        };
    };
    return document_.hand_out(std::move(work));
}

}  // namespace tilesmith
