// The command map of the main window: menus, items, shortcuts, option items
// and tool buttons, each wired to its handler, with their captions in the
// current language and their enabled state from the model.
#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "effects/effect_registry.h"
#include "ui/effect_places.h"
#include "model/options.h"
#include "model/workspace.h"
#include "strings/messages.h"
#include "ui/exception_barrier.h"
#include "ui/icons.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tilesmith {

class CommandHandlers;

class CommandMap {
public:
    // What the window itself does for a command.
    struct WindowActions {
        std::function<void(Language language)> set_language;
        // An option changed what the panes show.
        std::function<void()> options_changed;
        // The level in 3D shown or hidden (`toggle`), or shown.
        std::function<void(bool toggle)> level_view;
    };
    // Builds the menu bar of `window` and the buttons of `tools`; `command`
    // runs a handler as a command (with the window's refresh), `guard` runs the rest.
    CommandMap(QMainWindow* window, QToolBar* tools, Workspace& workspace, CommandHandlers& commands, Guard command,
               Guard guard, WindowActions actions);

    // What the model says is available (nothing while a job holds the
    // document), undo and redo with the names of their steps, and the recent list.
    void sync();
    // The check marks of the option, grid and language items.
    void sync_options();
    // Every caption and hint from its key.
    void set_language(Language language);
    // The View menu's item that shows and hides the history panel.
    QAction* history_item() const { return history_item_; }
    // The View menu's item of the level in 3D: checked while its dock is open.
    QAction* level_item() const { return level_item_; }

private:
    QString text(Msg message) const;
    void build();
    QMenu* add_menu(QMenu* parent, const char* name, Msg title, Icon icon = Icon::none);
    QAction* add_item(QMenu* menu, const char* name, Msg caption, const QList<QKeySequence>& keys, Icon icon,
                      std::function<void()> handler);
    // An item whose caption is no text of the table (a grid size): the language leaves it.
    QAction* add_literal_item(QMenu* menu, const char* name, const QString& caption, Icon icon,
                              std::function<void()> handler);
    // A check item showing `field`, set through `set`.
    QAction* add_option(QMenu* menu, const char* name, Msg title, const QKeySequence& key, bool Options::*field);
    void sync_undo_captions();
    void check_language(Language language);
    // `hint` none: the tool's hint is its item's caption.
    QAction* add_tool(const char* name, QAction* item, std::optional<Msg> hint, Icon icon);
    // The registry's effects of one root menu, appended to it; returns the
    // items that have tool buttons, in menu order.
    struct EffectToolSlot {
        QAction* item;
        const EffectTool* tool;
    };
    std::vector<EffectToolSlot> add_effects(EffectMenuRoot root, QMenu* menu);
    void connect_command(QAction* item, std::function<void()> handler);

    QMainWindow* window_;
    QToolBar* tools_bar_;
    Workspace& workspace_;
    CommandHandlers& commands_;
    Guard command_, guard_;
    WindowActions actions_;

    // Menus and items the language switch visits, with the key of their caption.
    struct Captioned {
        QAction* action;
        Msg caption;
    };
    std::vector<Captioned> captioned_;
    // Tool actions and the key of their hint (none: their item's caption).
    struct Tool {
        QAction* tool;
        QAction* item;
        std::optional<Msg> hint;
    };
    std::vector<Tool> tools_;
    struct OptionItem {
        QAction* action;
        bool Options::*field;
    };
    std::vector<OptionItem> option_items_;
    std::array<QAction*, kGridSteps.size()> grid_items_{};
    // The language menu's items, one for each registered language.
    std::vector<std::pair<QAction*, Language>> language_items_;
    QAction* undo_item_ = nullptr;
    QAction* undo_tool_ = nullptr;
    QAction* redo_item_ = nullptr;
    QAction* redo_tool_ = nullptr;
    QAction* recent_divider_ = nullptr;
    std::array<QAction*, 5> recent_items_{};
    QAction* history_item_ = nullptr;
    QAction* level_item_ = nullptr;
    // Items the model may refuse, with the operation each offers.
    std::vector<std::pair<QAction*, Operation>> gated_;
};

}  // namespace tilesmith
