// MainWindow's language switch: every part writes its captions, hints and
// panel texts again from their keys in the string table, then the dialogs follow.
#include "ui/command_map.h"
#include "ui/dialog_host.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialogs/new_package_dialog.h"
#include "ui/history_panel.h"
#include "ui/level_dock.h"
#include "ui/main_window.h"
#include "ui/status_panels.h"

namespace tilesmith {

void MainWindow::set_language(Language language) {
    workspace_.set_language(language);
    host_.set_language(workspace_.language());
    command_map_->set_language(workspace_.language());
    status_->set_language(workspace_.language());
    history_->set_language(workspace_.language());
    if (new_package_dialog_) new_package_dialog_->set_dialog_language(language);
    if (author_dialog_) author_dialog_->translate_labels(language);
    if (history_dialog_) history_dialog_->set_language(language);
    qt_texts_.follow(language);
    if (LevelDock* level = LevelDock::in(this)) level->set_language(workspace_.language());
}

}  // namespace tilesmith
