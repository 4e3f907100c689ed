// The document: the source and target packages, the target's file name and
// saved state, and the undo stack of the target.
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
    const Package& target() const { return target_; }
    const std::string& target_file_name() const { return target_file_name_; }
    const UndoStack& history() const { return history_; }
    // Unsaved work: the target differs from what was last opened, saved or
    // made new. Undoing or redoing back to that state counts as unchanged.
    bool modified() const { return !history_.is_clean(); }

    // A package read as the source; its brush is kept.
    void replace_source(Package fresh) { source_.take_pixels(fresh); }
    // A package opened as the target: the history starts again from it, with
    // nothing unsaved; the brush is kept.
    void open_target(Package fresh);
    void set_target_file_name(std::string name) { target_file_name_ = std::move(name); }
    void mark_saved() { history_.set_clean(); }

    // One undo step: `edit` changes the target inside `rect` (only there).
    void edit_target(const Rect& rect, std::function<void(Package&)> edit);
    bool undo() { return history_.undo(target_); }
    bool redo() { return history_.redo(target_); }

    // A change the history cannot take back (a new size, a copied package):
    // the history is forgotten. `settled`: the result holds no unsaved work.
    void reshape_target(const std::function<void(Package&)>& change, bool settled);

private:
    Package source_;
    Package target_;
    std::string target_file_name_;
    UndoStack history_;
};

}  // namespace tilesmith
