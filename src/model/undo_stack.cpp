// The undo stack: pixel patches, redo, the memory bound and the clean state.
#include "model/undo_stack.h"

namespace tilesmith {

void PatchCommand::redo(Package& target) {
    if (!edit_) {
        swap_with(target);
        return;
    }
    rect_ = rect_.intersected({0, 0, target.width(), target.height()});
    if (!rect_.empty()) {
        saved_ = Package::for_overwrite(rect_.width(), rect_.height());
        saved_.copy_rect(target, rect_.left, rect_.top, rect_.width(), rect_.height(), 0, 0);
    }
    auto edit = std::move(edit_);
    edit_ = nullptr;
    edit(target);
}

void PatchCommand::swap_with(Package& target) {
    if (rect_.empty()) return;
    Package now = Package::for_overwrite(rect_.width(), rect_.height());
    now.copy_rect(target, rect_.left, rect_.top, rect_.width(), rect_.height(), 0, 0);
    target.copy_rect(saved_, 0, 0, rect_.width(), rect_.height(), rect_.left, rect_.top);
    saved_.swap(now);
}

void UndoStack::push(std::unique_ptr<Command> command, Package& target) {
    while (steps_.size() > index_) {
        bytes_ -= steps_.back()->bytes();
        steps_.pop_back();
    }
    if (clean_reachable_ && clean_ > index_) clean_reachable_ = false;
    command->redo(target);
    bytes_ += command->bytes();
    steps_.push_back(std::move(command));
    ++index_;
    while (bytes_ > kByteLimit && steps_.size() > 1) drop_oldest();
}

void UndoStack::drop_oldest() {
    bytes_ -= steps_.front()->bytes();
    steps_.pop_front();
    --index_;
    // The state before the dropped step can no longer be reached.
    if (clean_ == 0) clean_reachable_ = false;
    else --clean_;
}

bool UndoStack::undo(Package& target) {
    if (!can_undo()) return false;
    steps_[--index_]->undo(target);
    return true;
}

bool UndoStack::redo(Package& target) {
    if (!can_redo()) return false;
    steps_[index_++]->redo(target);
    return true;
}

void UndoStack::clear() {
    const bool was_clean = is_clean();
    steps_.clear();
    index_ = bytes_ = clean_ = 0;
    clean_reachable_ = was_clean;
}

}  // namespace tilesmith
