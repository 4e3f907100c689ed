// The document: the source and target packages, the target's file name and
// saved revision, the undo stack of the target, and whether a job holds it.
#pragma once
#include <functional>
#include <string>

#include "core/package.h"
#include "model/rect.h"
#include "model/undo_stack.h"

namespace tilesmith {

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

    // A job holds the document: every change is refused until it ends.
    bool busy() const { return busy_; }
    void set_busy(bool busy) { busy_ = busy; }

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
