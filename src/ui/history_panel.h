// The history panel: a dock listing the start and every step of the target's
// history by name, the saved one marked; clicking a row undoes or redoes to it.
#pragma once
#include "model/workspace.h"
#include "ui/exception_barrier.h"

class QAction;
class QDockWidget;
class QListWidget;
class QMainWindow;

namespace tilesmith {

class HistoryPanel {
public:
    // Docked at the right of `window`, hidden; `toggle` (a check item) shows
    // and hides it. `command` runs a jump as the window's commands run.
    HistoryPanel(QMainWindow* window, Workspace& workspace, QAction* toggle, Guard command, Guard guard);

    // The rows from the model, the state now selected.
    void sync();
    void set_language(Language language);

private:
    Workspace& workspace_;
    QDockWidget* dock_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace tilesmith
