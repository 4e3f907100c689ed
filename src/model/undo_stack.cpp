// The undo stack: pixel patches, whole replacements, redo, the memory bound
// and the revision each step leaves.
#include "model/undo_stack.h"

namespace tilesmith {

void PatchCommand::redo(TargetState& state) {
    Package& target = state.pixels;
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

std::size_t PatchCommand::bytes_for(const Rect& rect, const Package& target) {
    const Rect inside = rect.intersected({0, 0, target.width(), target.height()});
    if (inside.empty()) return 0;
    const Package row = Package::for_overwrite(inside.width(), 1);
    return row.stride() * std::size_t(inside.height());
}

void PatchCommand::swap_with(Package& target) {
    if (rect_.empty()) return;
    Package now = Package::for_overwrite(rect_.width(), rect_.height());
    now.copy_rect(target, rect_.left, rect_.top, rect_.width(), rect_.height(), 0, 0);
    target.copy_rect(saved_, 0, 0, rect_.width(), rect_.height(), rect_.left, rect_.top);
    saved_.swap(now);
}

void ReplaceCommand::redo(TargetState& target) {
    if (make_) {
        // Made before anything changes: a failure leaves the target as it was.
        TargetState fresh = make_(target);
        make_ = nullptr;
        other_ = std::move(fresh);
    }
    std::swap(target, other_);
}

void UndoStack::push(std::unique_ptr<Command> command, Phrase name, Revision revision, TargetState& target) {
    // Applied first: a step that fails leaves the history as it was.
    command->redo(target);
    while (steps_.size() > index_) {
        bytes_ -= steps_.back().command->bytes();
        steps_.pop_back();
    }
    bytes_ += command->bytes();
    steps_.push_back({std::move(command), std::move(name), revision});
    ++index_;
    while (bytes_ > kByteLimit && steps_.size() > 1) drop_oldest();
}

void UndoStack::drop_oldest() {
    bytes_ -= steps_.front().command->bytes();
    base_ = steps_.front().revision;
    steps_.pop_front();
    --index_;
}

bool UndoStack::undo(TargetState& target) {
    if (!can_undo()) return false;
    steps_[--index_].command->undo(target);
    return true;
}

bool UndoStack::redo(TargetState& target) {
    if (!can_redo()) return false;
    steps_[index_++].command->redo(target);
    return true;
}

}  // namespace tilesmith
