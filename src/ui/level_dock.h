// The dockable "Level in 3D" view beside the panes: the level of the pane the
// workspace names (the target when it was read from a level, else the
// source) dressed in that pane's package as it is now, with its room list,
// "frame the level" and the look (bilinear, lighting, alternate rooms,
// animated textures); its title names the level's file and the pane.
// Where OpenGL cannot be had it says so and shows nothing else; where the
// view cannot draw in the OpenGL it was given, it says why above it.
#pragma once
#include <QDockWidget>
#include <functional>
#include <memory>
#include <optional>

#include "model/workspace.h"
#include "strings/messages.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QPushButton;

namespace tilesmith {

class LevelView;

class LevelDock : public QDockWidget {
    Q_OBJECT
public:
    // `picked`: a face or sprite of the level was clicked, in the pane `side`.
    LevelDock(QWidget* parent, const Workspace& workspace, std::function<void(Side side, const ScenePick& pick)> picked);

    // The dock of `window`, made and shown the first time; after, hidden and
    // shown again (`toggle`), or shown. `item` is checked while the dock is open.
    static void reveal(QMainWindow* window, const Workspace& workspace, bool toggle, QAction* item,
                       std::function<void(Side, const ScenePick&)> picked);
    // The dock of `window`, or null before it was first shown.
    static LevelDock* in(QWidget* window);

    // After every command: a new level, or the pages the package changed.
    void sync();
    // The pointer is over the tile (column, row) of a pane, or over none.
    void pointed_at(Side side, std::optional<std::pair<int, int>> tile);
    void set_language(Language language);
    // Null where OpenGL cannot be had.
    LevelView* view() const { return view_; }

private:
    void fill_rooms();
    void look_changed();
    void name_title();
    QString text(Msg message) const;

    const Workspace& workspace_;
    Language language_ = Language::English;
    std::function<void(Side, const ScenePick&)> picked_;
    LevelView* view_ = nullptr;
    QLabel* note_ = nullptr;
    QListWidget* rooms_ = nullptr;
    QPushButton* frame_ = nullptr;
    QCheckBox *bilinear_ = nullptr, *lighting_ = nullptr, *flipped_ = nullptr, *animated_ = nullptr;
    std::shared_ptr<const LevelScene> shown_;
    Side side_ = Side::source;
};

}  // namespace tilesmith
