// The workspace of the main window, in parts a newcomer can name: the
// document and its history, the panes' views, what the panes were read from,
// the commands that edit the target, and the file service whose tasks do
// every file access; with the options. No Qt: the window maps its menus,
// buttons, keys, clicks and dialogs onto these parts and paints what they leave.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "model/document.h"
#include "model/file_service.h"
#include "model/options.h"
#include "model/pane_origins.h"
#include "model/pane_views.h"
#include "model/tile_editor.h"

namespace tilesmith {

// What the window may offer; while a task holds the document, none of it.
enum class Operation { open, new_package, save, export_level, undo, redo, edit_target, copy_target, compact_level };

class Workspace {
public:
    // Two silver 256 x 512 packages, the first tile of each selected, nothing to undo.
    Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // The parts.
    const Document& document() const { return document_; }
    Document& document() { return document_; }
    const PaneViews& views() const { return views_; }
    PaneViews& views() { return views_; }
    const PaneOrigins& origins() const { return origins_; }
    PaneOrigins& origins() { return origins_; }
    TileEditor& edits() { return edits_; }
    const TileEditor& edits() const { return edits_; }
    FileService& files() { return files_; }
    const FileService& files() const { return files_; }

    // What the panes show.
    const Package& package(Side side) const { return side == Side::source ? document_.source() : document_.target(); }
    const View& view(Side side) const { return views_.view(side); }
    // Status-bar panels 1, 2, 4, 5: each package's size and its count of whole tiles.
    std::array<std::string, 4> size_texts() const;
    // Whether the window may offer `op` now.
    bool available(Operation op) const;
    // The pane whose level Compact textures copies: the last clicked one when
    // it was read from a level whose structures were walked, else the other
    // when that one was; none when neither was.
    std::optional<Side> compaction_side() const;
    // A task holds the document from its hand-out to its end: every change is refused meanwhile.
    bool busy() const { return document_.busy(); }

    // The options of the Options and View menus.
    const Options& options() const { return options_; }
    Language language() const { return options_.language; }
    void set_options(const Options& options);
    // One switch of the menus (`&Options::automove`, ...).
    void set_option(bool Options::*option, bool on) { options_.*option = on; }
    // One of the View menu's steps, else a tile.
    void set_grid_step(int step);
    void set_select_color(PackedColor c) { options_.select_color = c; }
    void set_language(Language language) { options_.language = language; }

    // A face or sprite picked in the level's 3D view: the tiles its texture
    // maps are selected in the pane, scrolled into sight when none of them shows.
    void select_picked(Side side, const ScenePick& pick);
    // Select all: the whole package of the last clicked pane.
    void select_all() { views_.select_all(package(views_.last_clicked())); }

private:
    Document document_;
    Options options_;
    PaneViews views_;
    PaneOrigins origins_;
    TileEditor edits_;
    FileService files_;
};

}  // namespace tilesmith
