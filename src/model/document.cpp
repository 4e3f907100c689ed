// The document: packages, file name, history, revisions and the job's hold.
#include "model/document.h"

#include <filesystem>

#include "core/error.h"
#include "model/view.h"

namespace tilesmith {

void run_here(const Task& task, Progress& progress) {
    Job::Commit commit;
    try {
        commit = task.work(progress);
    } catch (...) {
        if (task.release) task.release();
        throw;
    }
    if (task.release) task.release();
    commit();
}

Document::Document()
    : source_(View::kStartWidth, View::kStartHeight, kSilver),
      target_{Package(View::kStartWidth, View::kStartHeight, kSilver), {}, 0, nullptr} {}

void Document::refuse_if_busy() const {
    if (busy_) throw Error(Phrase(Msg::DocumentBusy));
}

void Document::replace_source(Package fresh) {
    refuse_if_busy();
    source_.take_pixels(fresh);
}

void Document::mark_saved(Revision revision, const std::string& file_name) {
    target_.saved = revision;
    target_.file_name = file_name;
}

void Document::edit_target(Phrase name, const Rect& rect, std::function<void(Package&)> edit) {
    refuse_if_busy();
    history_.push(std::make_unique<PatchCommand>(rect, std::move(edit)), std::move(name), ++last_revision_, target_);
}

void Document::replace_target(Phrase name, std::function<TargetState(TargetState& old)> make, bool settled) {
    refuse_if_busy();
    const Revision revision = ++last_revision_;
    history_.push(std::make_unique<ReplaceCommand>([make = std::move(make), settled, revision](TargetState& old) {
                      TargetState fresh = make(old);
                      if (settled) fresh.saved = revision;
                      return fresh;
                  }),
                  std::move(name), revision, target_);
}

Task Document::hand_out(Job::Work work) {
    refuse_if_busy();
    busy_ = true;
    return {std::move(work), [this] { busy_ = false; }};
}

std::optional<Phrase> Document::undo_name() const {
    if (!history_.can_undo()) return std::nullopt;
    return history_.name(history_.undo_count() - 1);
}

std::optional<Phrase> Document::redo_name() const {
    if (!history_.can_redo()) return std::nullopt;
    return history_.name(history_.undo_count());
}

std::vector<HistoryRow> Document::history_rows() const {
    // The saved mark goes on the row whose revision the file holds, once.
    const Revision saved = saved_revision();
    std::vector<HistoryRow> rows{{Phrase(Msg::HistoryStart), true, history_.base_revision() == saved}};
    for (std::size_t i = 0; i < history_.size(); ++i)
        rows.push_back({history_.name(i), i < history_.undo_count(), history_.revision_after(i) == saved});
    return rows;
}

void Document::open_target(Package package, std::string file_name, std::shared_ptr<const PaneOrigin> origin) {
    auto fresh = std::make_shared<Package>(std::move(package));
    // The step names the file it was read from (a level too, saved under another name).
    const std::string& read_from = origin && !origin->file.empty() ? origin->file : file_name;
    replace_target(
        read_from.empty() ? Phrase(Msg::StepOpenTarget)
                          : Phrase(Msg::StepOpenTargetFile).arg(std::filesystem::path(read_from).filename().string()),
        [fresh, file_name = std::move(file_name), origin = std::move(origin)](TargetState&) {
            return TargetState{std::move(*fresh), file_name, 0, origin};
        },
        true);
}

bool Document::undo() {
    refuse_if_busy();
    return history_.undo(target_);
}

bool Document::redo() {
    refuse_if_busy();
    return history_.redo(target_);
}

}  // namespace tilesmith
