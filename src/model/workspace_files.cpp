// The workspace's files: open, save and export as tasks for the window, the
// texture use read with a level, and the new / modify package command.
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
#include "model/workspace.h"

namespace tilesmith {

namespace {

// A file this small reads (its format's read cost times its bytes), and a
// package this small writes, in a few milliseconds.
constexpr std::uintmax_t kSmallFileBytes = 2 << 20;
constexpr long long kSmallPackagePixels = 1 << 20;

bool is_small_file(const std::string& file) {
    // A file whose size cannot be had is read here: the reader says why it failed.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const FileFormat* format = format_of_file(file);
    return error || size * std::uintmax_t(format ? format->read_cost : 1) <= kSmallFileBytes;
}

bool is_small_package(const Package& package) {
    return (long long)package.width() * package.height() <= kSmallPackagePixels;
}

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

void run_here(const Task& task, Progress& progress) { task.work(progress)(); }

Task Workspace::open(Side side, std::string file_name, std::function<void(const OpenAnswer&)> then) {
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
                    take_opened(side, std::move(opened->package), opened->origin);
                    use_notes_[side == Side::source ? 0 : 1] = opened->use_note;
                    answer.note = opened->result->warning;
                }
            } else {
                answer.note = no_known_kind(file_name);
            }
            if (then) then(answer);
        };
    };
    return {std::move(work), is_small_file(file_name)};
}

void Workspace::take_opened(Side side, Package package, std::shared_ptr<const PaneOrigin> origin) {
    const std::string file_name = origin->file;
    recent_.add_recent_file(file_name);
    if (side == Side::source) {
        use_source(std::move(package));
        source_origin_ = std::move(origin);
        return;
    }
    // Save writes back to an image of a kind we write; a level or an object
    // package is saved under a new name. The brush stays the target's.
    package.set_brush(target_package().brush());
    replace_target(std::move(package), can_write_back(file_name) ? file_name : std::string(), std::move(origin));
}

void Workspace::replace_target(Package package, std::string file_name, std::shared_ptr<const PaneOrigin> origin) {
    auto fresh = std::make_shared<Package>(std::move(package));
    document_.replace_target(
        Msg::StepOpenTarget,
        [fresh, file_name, origin](TargetState&) { return TargetState{std::move(*fresh), file_name, 0, origin}; },
        true);
    use_notes_[1].reset();
    target_view_.reset(target_package().width(), target_package().height());
}

void Workspace::use_source(Package package) {
    document_.replace_source(std::move(package));
    source_origin_ = nullptr;
    use_notes_[0].reset();
    source_view_.reset(source_package().width(), source_package().height());
}

void Workspace::use_target(Package package) { replace_target(std::move(package), {}, nullptr); }

std::optional<Phrase> Workspace::save_question(const std::string& file_name) const {
    return transparency_loss_question(file_name, target_package());
}

Task Workspace::save(std::string file_name, std::function<void(bool written)> then) {
    // The target as it is now; the revision written is this one, whatever
    // happens to the target meanwhile.
    const Revision revision = document_.revision();
    Job::Work work = [this, file_name, revision, then = std::move(then),
                      target = snapshot(target_package())](Progress& progress) -> Job::Commit {
        const bool written = write_package(file_name, *target, progress);
        return [this, file_name, revision, then, written] {
            if (written) document_.mark_saved(revision, file_name);
            if (then) then(written);
        };
    };
    return {std::move(work), is_small_package(target_package())};
}

std::optional<Phrase> Workspace::export_refusal(const std::string& base) const {
    return export_base_refusal(base, target_package());
}

Task Workspace::export_level(std::string output, std::string base,
                             std::function<void(const ExportOutcome&)> then) const {
    Job::Work work = [output, base, then = std::move(then), target = snapshot(target_package()),
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
    return {std::move(work), is_small_package(target_package())};
}

const PaneOrigin& Workspace::origin(Side side) const {
    static const PaneOrigin none;
    const auto& origin = side == Side::source ? source_origin_ : document_.target_state().origin;
    return origin ? *origin : none;
}

const TextureUse* Workspace::texture_use(Side side) const { return origin(side).use.get(); }

const PaneOrigin& Workspace::scene_origin(Side side) const {
    const PaneOrigin& own = origin(side);
    if (side == Side::source || own.scene || own.scene_problem || !preview_) return own;
    return *preview_;
}

Side Workspace::scene_side() const {
    const PaneOrigin& target = scene_origin(Side::target);
    return target.scene || target.scene_problem ? Side::target : Side::source;
}

Task Workspace::preview_on(std::string base, std::function<void()> then) {
    const int pages = target_package().height() / kPageSide;
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
            preview_ = preview;
            if (then) then();
        };
    };
    return {std::move(work), is_small_file(base)};
}

std::optional<Phrase> Workspace::texture_use_note(Side side) {
    std::optional<Phrase> note;
    note.swap(use_notes_[side == Side::source ? 0 : 1]);
    return note;
}

void Workspace::make_package(int columns, int rows, PackedColor background, bool modify) {
    // The dialog's track bars allow 1..32 columns and 1..128 rows.
    columns = std::clamp(columns, 1, 32);
    rows = std::clamp(rows, 1, 128);
    document_.replace_target(
        modify ? Msg::StepResizePackage : Msg::StepNewPackage,
        [&](TargetState& old) {
            // A resized package no longer has its level's pages where they were.
            TargetState fresh{modify ? old.pixels.clone() : Package(), old.file_name, old.saved, nullptr};
            fresh.pixels.set_brush(background);
            fresh.pixels.resize(kTileSide * columns, kTileSide * rows);
            if (!modify) {
                fresh.pixels.fill_rect(0, 0, fresh.pixels.width(), fresh.pixels.height(), background);
                fresh.file_name.clear();
            }
            return fresh;
        },
        // A fresh package holds no work yet.
        !modify);
    use_notes_[1].reset();
    target_view_.reset(target_package().width(), target_package().height());
}

}  // namespace tilesmith
