// The undo stack of the target package: commands that know how to apply and
// revert themselves, bounded by the memory of the pixels they keep.
#pragma once
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>

#include "core/package.h"
#include "model/rect.h"

namespace tilesmith {

class Command {
public:
    virtual ~Command() = default;
    // The first redo applies the command; later ones apply it again after an undo.
    virtual void redo(Package& target) = 0;
    virtual void undo(Package& target) = 0;
    // The bytes of pixels it keeps, which the stack's bound counts.
    virtual std::size_t bytes() const = 0;
};

// An edit inside one rectangle of the target. Only the part of the rectangle
// inside the package is kept: before the edit runs it is saved, and undo and
// redo swap the saved pixels with the package's, so one copy serves both ways.
class PatchCommand : public Command {
public:
    PatchCommand(Rect rect, std::function<void(Package&)> edit) : rect_(rect), edit_(std::move(edit)) {}
    void redo(Package& target) override;
    void undo(Package& target) override { swap_with(target); }
    std::size_t bytes() const override { return saved_.stride() * std::size_t(saved_.height()); }

private:
    void swap_with(Package& target);
    Rect rect_;
    std::function<void(Package&)> edit_;  // empty once it has run
    Package saved_;
};

class UndoStack {
public:
    // The pixels all steps may keep; the oldest steps go first beyond it, but
    // the newest step is always kept.
    static constexpr std::size_t kByteLimit = std::size_t(256) << 20;

    // Applies `command` and makes it the newest step; the steps that could be
    // redone are dropped.
    void push(std::unique_ptr<Command> command, Package& target);
    bool undo(Package& target);
    bool redo(Package& target);
    bool can_undo() const { return index_ > 0; }
    bool can_redo() const { return index_ < steps_.size(); }
    std::size_t undo_count() const { return index_; }
    std::size_t redo_count() const { return steps_.size() - index_; }
    std::size_t bytes() const { return bytes_; }
    // Forgets every step; the package as it is now counts as the clean state
    // only if it was clean before.
    void clear();

    // The package as it is now is what was last opened or saved.
    void set_clean() { clean_ = index_; clean_reachable_ = true; }
    // The package changed outside the stack: no step leads back to clean.
    void set_unreachable_clean() { clean_reachable_ = false; }
    bool is_clean() const { return clean_reachable_ && clean_ == index_; }

private:
    void drop_oldest();
    std::deque<std::unique_ptr<Command>> steps_;
    std::size_t index_ = 0;  // steps before it are done, from it on undone
    std::size_t bytes_ = 0;
    std::size_t clean_ = 0;
    bool clean_reachable_ = true;
};

}  // namespace tilesmith
