// The workspace model of the main window: both packages, the panes' selections
// and scroll state, the undo ring, the options, the target file name and the
// recent list, with the commands that work on them. No Qt: the window maps its
// menus, buttons, clicks and dialogs onto these operations and paints the result.
#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "model/options.h"
#include "model/recent_files.h"
#include "model/undo_ring.h"
#include "formats/read_result.h"

namespace tilesmith {

struct ScrollBar {
    int position = 0;
    int max = 0;
    bool enabled = false;
};

// One pane: its selection (pane pixels) and its two scroll bars (in tiles).
struct Pane {
    int sel_x = 0, sel_y = 0;
    ScrollBar h, v;
};

enum class MouseButton { left, middle, right };

// What an open command did.
struct OpenAnswer {
    bool recognised = false;  // false: unrecognised extension, nothing happened
    std::optional<Msg> refusal;  // the message of a refused TGA or level
};

class Workspace {
public:
    static constexpr int pane_width = 256;
    static constexpr int pane_height = 512;

    // The initial state: two silver 256 x 512 packages, both panes reset
    // (selection 0,0, bars at 0 and disabled), undo empty.
    Workspace();

    Package source_package;
    Package target_package;
    Pane source_pane;  // pane 1
    Pane target_pane;  // pane 2
    UndoRing undo_ring;
    Options options;
    std::string target_file_name;
    RecentFiles recent;
    // Status-bar panels 1, 2, 4, 5: design texts until show_package_sizes.
    std::array<std::string, 4> size_texts{"256 x 512", "32", "256 x 512", "32"};

    Pane& pane(int which) { return which == 1 ? source_pane : target_pane; }
    const Pane& pane(int which) const { return which == 1 ? source_pane : target_pane; }
    int language_index() const { return options.language_index(); }
    // Messages are shown in this language.
    Language language() const { return options.language(); }
    int undo_count() const { return undo_ring.count(); }
    bool undo_enabled() const { return undo_count() > 0; }

    // Pane 1 source, 2 target, anything else does nothing. Tile counts are full
    // ints, so packages of any number of tile rows scroll over their extent.
    void reset_pane(int columns, int rows, int pane);
    void show_package_sizes();

    // The selected rectangles in package pixels: selection + 64 x scroll position.
    Rect selected_source_rect() const;
    Rect selected_target_rect() const;

    // surf1MouseDown / surf2MouseDown with panel client coordinates (1,1 is the
    // first package pixel inside the bevel). Returns true when the selection moved.
    bool mouse_down(int pane, MouseButton button, int x, int y);

    // The grid-size radio group and update_grid_step.
    void set_grid_step(int step);

    void push_undo();
    // ed_cofnijClick; false when undo is disabled.
    bool ed_cofnij();

    // Unsaved work: the target differs from what was last opened, saved or
    // made new. Undoing back to that state counts as unchanged again.
    bool target_modified() const { return target_revision_ != saved_revision_; }

    void tx_add();        // tx_addClick with the automatic move
    void tx_del();        // tx_delClick: background colour
    void tx_copytrans();  // tx_copytransClick
    // tx_copyClick after its questions: the window asks question 2/3, then 4/5
    // when tx_copy_sizes_differ(), then calls tx_copy().
    bool tx_copy_sizes_differ() const;
    void tx_copy();

    // Every effect command: one undo entry, then the routine on the selected
    // target rectangle at (x, y) of the target package.
    void apply_effect(const std::function<void(Package&, int x, int y)>& routine);

    // plik_opensourceClick / plik_opentargetClick after the dialog: dispatch by
    // extension and the after-load steps. Errors (tilesmith::Error) propagate
    // with the workspace unchanged.
    OpenAnswer open_source(const std::string& file_name, Progress& progress);
    OpenAnswer open_target(const std::string& file_name, Progress& progress);
    // Writes the target with the writer the extension selects; false (nothing
    // written) for an unrecognised one. save_target_as also sets
    // target_file_name when the extension was recognised.
    bool save_target(const std::string& file_name, Progress& progress);
    bool save_target_as(const std::string& file_name, Progress& progress);

    // pak_makeClick after its question: new (filled) or modified (pixels kept).
    void pak_make(int columns, int rows, PackedColor background, bool modify);

    // Clipboard: the selected target tile as a 64 x 64 bitmap (pixels outside the
    // package read as the background colour), and paste of an image's top-left
    // 64 x 64 (a smaller image keeps the uncovered pixels), one undo step.
    Package copy_target_tile() const;
    void paste_into_target(const Package& image);

private:
    // Every change of the target gets a new revision; each undo entry keeps the
    // revision it returns to.
    void target_changed() { target_revision_ = ++next_revision_; }
    void target_settled() { saved_revision_ = target_revision_ = ++next_revision_; }
    void forget_undo();
    std::uint64_t next_revision_ = 0, target_revision_ = 0, saved_revision_ = 0;
    std::deque<std::uint64_t> undo_revisions_;
};

}  // namespace tilesmith
