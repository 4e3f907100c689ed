// The undo stack of the target: named steps that know how to apply and revert
// themselves, bounded by the memory of the pixels they keep, each leaving the
// target at a revision of its own.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/package.h"
#include "model/pane_origin.h"
#include "model/rect.h"
#include "strings/phrase.h"

namespace tilesmith {

// A number for each state of the target: every change makes a new one, undo
// and redo return to the one a step left.
using Revision = std::uint64_t;

// The target as the history changes it: its pixels, the file Save writes to,
// the revision known to be in that file, and the texture use of the level it
// was read from (null for anything else).
struct TargetState {
    Package pixels;
    std::string file_name;
    Revision saved = 0;
    // What the package was read from: undo of an open brings back the one before.
    std::shared_ptr<const PaneOrigin> origin;
};

class Command {
public:
    virtual ~Command() = default;
    // The first redo applies the command; later ones apply it again after an undo.
    virtual void redo(TargetState& target) = 0;
    virtual void undo(TargetState& target) = 0;
    // The bytes of pixels it keeps, which the stack's bound counts.
    virtual std::size_t bytes() const = 0;
};

// An edit inside one rectangle of the target. Only the part of the rectangle
// inside the package is kept: before the edit runs it is saved, and undo and
// redo swap the saved pixels with the package's, so one copy serves both ways.
class PatchCommand : public Command {
public:
    PatchCommand(Rect rect, std::function<void(Package&)> edit) : rect_(rect), edit_(std::move(edit)) {}
    void redo(TargetState& target) override;
    void undo(TargetState& target) override { swap_with(target.pixels); }
    std::size_t bytes() const override { return saved_.stride() * std::size_t(saved_.height()); }
    // What a patch of `rect` over `target` keeps.
    static std::size_t bytes_for(const Rect& rect, const Package& target);

private:
    void swap_with(Package& target);
    Rect rect_;
    std::function<void(Package&)> edit_;  // empty once it has run
    Package saved_;
};

// The whole target replaced (a new size, a copied package, an opened file):
// the state made from the old one takes its place, and undo and redo swap them.
class ReplaceCommand : public Command {
public:
    explicit ReplaceCommand(std::function<TargetState(TargetState& old)> make) : make_(std::move(make)) {}
    void redo(TargetState& target) override;
    void undo(TargetState& target) override { std::swap(target, other_); }
    std::size_t bytes() const override { return other_.pixels.stride() * std::size_t(other_.pixels.height()); }

private:
    std::function<TargetState(TargetState& old)> make_;  // empty once it has run
    TargetState other_;
};

class UndoStack {
public:
    // The pixels all steps may keep; the oldest steps go first beyond it, but
    // the newest step is always kept.
    static constexpr std::size_t kByteLimit = std::size_t(256) << 20;

    // Applies `command` and makes it the newest step, named `name`, leading to
    // `revision`; the steps that could be redone are dropped.
    void push(std::unique_ptr<Command> command, Phrase name, Revision revision, TargetState& target);
    bool undo(TargetState& target);
    bool redo(TargetState& target);
    bool can_undo() const { return index_ > 0; }
    bool can_redo() const { return index_ < steps_.size(); }
    std::size_t undo_count() const { return index_; }
    std::size_t redo_count() const { return steps_.size() - index_; }
    std::size_t size() const { return steps_.size(); }
    std::size_t bytes() const { return bytes_; }
    // The name of step `i` (0: the oldest kept).
    const Phrase& name(std::size_t i) const { return steps_[i].name; }
    // The revision before any kept step, after step `i`, and now.
    Revision base_revision() const { return base_; }
    Revision revision_after(std::size_t i) const { return steps_[i].revision; }
    Revision revision() const { return index_ ? steps_[index_ - 1].revision : base_; }

private:
    struct Step {
        std::unique_ptr<Command> command;
        Phrase name;
        Revision revision;
    };
    void drop_oldest();
    std::deque<Step> steps_;
    std::size_t index_ = 0;  // steps before it are done, from it on undone
    std::size_t bytes_ = 0;
    Revision base_ = 0;
};

}  // namespace tilesmith
