// The document: packages, file name, history.
#include "model/document.h"

#include "model/view.h"

namespace tilesmith {

Document::Document() : source_(View::kStartWidth, View::kStartHeight, kSilver),
                       target_(View::kStartWidth, View::kStartHeight, kSilver) {}

void Document::open_target(Package fresh) {
    target_.take_pixels(fresh);
    history_.clear();
    history_.set_clean();
}

void Document::edit_target(const Rect& rect, std::function<void(Package&)> edit) {
    history_.push(std::make_unique<PatchCommand>(rect, std::move(edit)), target_);
}

void Document::reshape_target(const std::function<void(Package&)>& change, bool settled) {
    change(target_);
    history_.clear();
    if (settled) history_.set_clean();
    else history_.set_unreachable_clean();
}

}  // namespace tilesmith
