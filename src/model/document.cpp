// The document: packages, file name, history, revisions and the job's hold.
#include "model/document.h"

#include "core/error.h"
#include "model/view.h"

namespace tilesmith {

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

bool Document::undo() {
    refuse_if_busy();
    return history_.undo(target_);
}

bool Document::redo() {
    refuse_if_busy();
    return history_.redo(target_);
}

}  // namespace tilesmith
