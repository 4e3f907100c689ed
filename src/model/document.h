// The document: the source and target packages, the target's file name and
// saved revision, the undo stack of the target, and whether a job holds it.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/package.h"
#include "model/rect.h"
#include "model/task.h"
#include "model/undo_stack.h"

namespace tilesmith {

// A row of the history: the start (before the oldest step kept) or a step.
struct HistoryRow {
    Phrase name;
    bool done;   // at or before the state now
    bool saved;  // the state its file holds
};

class Document {
public:
    // Two silver 256 x 512 packages, nothing to undo, nothing unsaved.
    Document();

    const Package& source() const { return source_; }
    const Package& target() const { return target_.pixels; }
    const TargetState& target_state() const { return target_; }
    const std::string& target_file_name() const { return target_.file_name; }
    const UndoStack& history() const { return history_; }
    // The state of the target now; every change makes a new one.
    Revision revision() const { return history_.revision(); }
    // Unsaved work: the target is not the revision last written to (or read
    // from) its file. Undoing or redoing back to that revision counts as unchanged.
    bool modified() const { return target_.saved != revision(); }
    // The revision the target's file holds, when known (none: never saved).
    Revision saved_revision() const { return target_.saved; }

    // A task holds the document: every change is refused until it ends.
    bool busy() const { return busy_; }
    // Hands out `work` as a task: the document is held from now until the
    // task's release. One task at a time.
    Task hand_out(Job::Work work);

    // The names of the steps undo and redo would take (none: nothing to take).
    std::optional<Phrase> undo_name() const;
    std::optional<Phrase> redo_name() const;
    // The start, then every step kept, oldest first.
    std::vector<HistoryRow> history_rows() const;

    // A package read as the source; its brush is kept.
    void replace_source(Package fresh);
    void set_target_file_name(std::string name) { target_.file_name = std::move(name); }
    // `revision` of the target was written to `file_name` (a save that started
    // at that revision); the unsaved mark follows from it.
    void mark_saved(Revision revision, const std::string& file_name);

    // One undo step named `name`: `edit` changes the target inside `rect` (only there).
    void edit_target(Phrase name, const Rect& rect, std::function<void(Package&)> edit);
    // One undo step named `name` that replaces the whole target with what
    // `make` builds from the old state; `settled`: the new state holds no
    // unsaved work (it is what its file holds, or nothing at all yet).
    void replace_target(Phrase name, std::function<TargetState(TargetState& old)> make, bool settled);
    // The target replaced by `package` as an opened file (empty: none), one
    // undo step that holds no unsaved work.
    void open_target(Package package, std::string file_name, std::shared_ptr<const PaneOrigin> origin);
    bool undo();
    bool redo();

private:
    void refuse_if_busy() const;
    Package source_;
    TargetState target_;
    UndoStack history_;
    Revision last_revision_ = 0;
    bool busy_ = false;
};

}  // namespace tilesmith
