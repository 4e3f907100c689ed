// The workspace of the main window: the document, a view of each pane, the
// options and the recent list, with the commands that work on them. No Qt:
// the window maps its menus, buttons, keys, clicks and dialogs onto these
// operations and paints what they leave. Every tile command acts on the
// whole selected rectangle as one undo step.
#pragma once
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/package.h"
#include "core/progress.h"
#include "formats/file_format.h"
#include "formats/read_result.h"
#include "model/document.h"
#include "model/options.h"
#include "model/recent_files.h"
#include "model/texture_use.h"
#include "model/view.h"

namespace tilesmith {

// The two panes: the source on the left, the target on the right.
enum class Side { source = 1, target = 2 };

// What an open command did.
struct OpenAnswer {
    bool recognised = false;  // false: unrecognised extension, nothing happened
    std::optional<Msg> refusal;  // the message of a refused TGA or level
    // What the user is told: the refusal naming the file, or the warning of a
    // file read with rows missing.
    std::optional<Phrase> note;
};

// A file read aside for an open command, not yet in the workspace.
struct OpenedFile {
    std::string file_name;
    std::optional<ReadResult> result;  // nullopt: unrecognised extension
    Package package;
};

// An effect computed aside over a copy of the target's selection (the part
// inside the package), not yet in the workspace.
struct EffectRegion {
    Rect rect;  // where `pixels` go in the target
    Package pixels;
};

class Workspace {
public:
    // Two silver 256 x 512 packages, the first tile of each selected, nothing to undo.
    Workspace();

    // What the window paints and shows.
    const Package& source_package() const { return document_.source(); }
    const Package& target_package() const { return document_.target(); }
    const Package& package(Side side) const { return side == Side::source ? source_package() : target_package(); }
    const View& view(Side side) const { return side == Side::source ? source_view_ : target_view_; }
    const Options& options() const { return options_; }
    const RecentFiles& recent() const { return recent_; }
    const std::string& target_file_name() const { return document_.target_file_name(); }
    // The file a pane's package was read from; empty when it was not (new, copied).
    const std::string& file_of(Side side) const { return origin(side).file; }
    Language language() const { return options_.language(); }
    int language_index() const { return options_.language_index(); }
    // Status-bar panels 1, 2, 4, 5: each package's size and its count of whole tiles.
    std::array<std::string, 4> size_texts() const;
    bool undo_enabled() const { return document_.history().can_undo(); }
    bool redo_enabled() const { return document_.history().can_redo(); }
    int undo_count() const { return int(document_.history().undo_count()); }
    bool target_modified() const { return document_.modified(); }
    // The pane the arrow keys and the zoom commands act on.
    Side last_clicked() const { return last_clicked_; }

    // Options, language and grid.
    void set_options(const Options& options);
    void set_option(bool Options::*field, bool on) { options_.*field = on; }
    void set_polish(bool polish) { options_.polish = polish; }
    void set_select_color(PackedColor c) { options_.select_color = c; }
    // update_grid_step: one of the View menu's steps, else a tile.
    void set_grid_step(int step);

    // The views. Screen points are pixels of a pane's picture, 0,0 its top-left.
    void set_viewport(Side side, int width, int height) { view_of(side).set_viewport(width, height); }
    bool press(Side side, MouseButton button, int sx, int sy, bool extend = false);
    bool drag(Side side, int sx, int sy) { return view_of(side).drag(sx, sy); }
    // Arrow keys: the last clicked pane's selection by whole tiles.
    bool move_selection(int columns, int rows, bool extend) {
        return view_of(last_clicked_).move(columns, rows, extend);
    }
    bool scroll_to(Side side, int x, int y) { return view_of(side).scroll_to(x, y); }
    // Wheel notches (+ up, + left): a tile of the screen each.
    bool scroll_notches(Side side, int vertical, int horizontal);
    // Ctrl+wheel: one zoom step per notch, keeping the pixel under (sx, sy) in place.
    bool zoom_at(Side side, int notches, int sx, int sy);
    // Zoom in (+1), out (-1) or to actual size (0) in the last clicked pane.
    bool zoom_step(int direction);
    void set_zoom(Side side, int zoom) { view_of(side).set_zoom(zoom); }
    void select(Side side, const Rect& r) { view_of(side).select(r); }
    Rect selected_source_rect() const { return source_view_.selection(); }
    Rect selected_target_rect() const { return target_view_.selection(); }

    // Undo and redo (ed_cofnij, ed_ponow); false when there is nothing to take back or redo.
    bool ed_cofnij();
    bool ed_ponow();

    // tx_addClick: the source rectangle onto the target at its selection's
    // top-left (what falls outside the target is not written), then the
    // automatic move. The target selection takes the source's size, kept
    // inside the package; when tiles of the source did not fit, what says how many.
    std::optional<Phrase> tx_add();
    // tx_delClick: the target selection in the background colour.
    void tx_del();
    // tx_copytransClick: the source rectangle as a mask: its magenta pixels
    // punch holes into the target from the target selection's top-left.
    void tx_copytrans();
    // tx_copyClick after its questions: the window asks question 2/3, then 4/5
    // when tx_copy_sizes_differ(), then calls tx_copy().
    bool tx_copy_sizes_differ() const;
    void tx_copy();

    // Every effect command: one undo step, then the routine once on the
    // target selection as one picture (`area`, in the target package's pixels).
    using AreaRoutine = std::function<void(Package&, const Rect& area)>;
    void apply_effect(const AreaRoutine& routine);
    // The same in two halves, for a job: a copy of the selection's part inside
    // the target, which effect_aside may work on on any thread, and its
    // commit as one undo step.
    EffectRegion effect_region() const;
    static void effect_aside(EffectRegion& region, const AreaRoutine& routine);
    void commit_effect(EffectRegion region);
    // The count of tiles an effect would visit.
    long long effect_tiles() const;

    // plik_opensourceClick / plik_opentargetClick after the dialog: dispatch by
    // extension and the after-load steps. Errors (tilesmith::Error) propagate
    // and refusals return, both with the workspace unchanged. A target opened
    // from an image of a kind we write is saved back to it.
    OpenAnswer open_source(const std::string& file_name, Progress& progress);
    OpenAnswer open_target(const std::string& file_name, Progress& progress);
    // The same in two halves, for a job: the read touches no workspace and
    // may run on any thread with the options read before; the commit takes
    // what was read into the workspace.
    ReaderOptions reader_options() const { return {options_.eight_bit, options_.ttcolor}; }
    static OpenedFile read_aside(const std::string& file_name, const ReaderOptions& reader, Progress& progress);
    OpenAnswer commit_source(OpenedFile opened);
    OpenAnswer commit_target(OpenedFile opened);
    // Writes the target with the writer the extension selects; false (nothing
    // written) for an unrecognised one. save_target_as also takes the name.
    bool save_target(const std::string& file_name, Progress& progress);
    bool save_target_as(const std::string& file_name, Progress& progress);
    // For a job that writes the target while the window goes on: a copy of
    // it, and afterwards the mark that it was written to `file_name` (nothing
    // unsaved, and Save writes there).
    std::shared_ptr<const Package> target_snapshot() const;
    void commit_saved(const std::string& file_name);

    // The recent list of the last run, newest first.
    void restore_recent(const std::vector<std::string>& newest_first) { recent_.restore(newest_first); }
    // The file Save writes to; Save As and the open and new commands set it too.
    void set_target_file_name(std::string name) { document_.set_target_file_name(std::move(name)); }
    // A package as the source or as a freshly opened target, its view reset.
    void use_source(Package package);
    void use_target(Package package);

    // Texture use of the package a pane shows, when it was read from a level:
    // read from the level's references the first time it is asked for (opening
    // costs nothing more). Null until then, and for images and object packages.
    const TextureUse* texture_use(Side side) const;
    // Reads it now if it was never asked for; the reason when the level's
    // structures cannot be walked (its pages are fine), told once.
    std::optional<Phrase> ask_texture_use(Side side);
    // After an export of `package` into `base`: how many of its tiles differ
    // from the base's pages (read with `ttcolor`) and how many of them the level
    // maps; nullopt when the base's texture use cannot be read. Touches no
    // workspace: it runs beside the export on its worker.
    static std::optional<Phrase> export_note(const std::string& base, const Package& package, bool ttcolor,
                                             Progress& progress);

    // pak_makeClick after its question: new (filled) or modified (pixels kept).
    void pak_make(int columns, int rows, PackedColor background, bool modify);

    // Clipboard. A pane's selection as one image (pixels outside the package
    // read as the background colour): Copy takes the last clicked pane's, Cut the target's.
    Package copy_selection(Side side) const;
    // The whole image at the target selection's top-left, clipped only by the
    // package, as one undo step; the selection takes the pasted size (an
    // empty image changes nothing).
    void paste_into_target(const Package& image);
    // The space the target offers a paste: from the selection's top-left to the package's edges.
    int paste_room_width() const;
    int paste_room_height() const;
    // Select all: the whole package of the last clicked pane.
    void select_all();

private:
    View& view_of(Side side) { return side == Side::source ? source_view_ : target_view_; }
    // push_undo: one undo step for `edit`, which changes the target inside `r` only.
    void push_undo(const Rect& r, std::function<void(Package&)> edit) { document_.edit_target(r, std::move(edit)); }
    // The automatic move of the add command over a selection of `r`'s size.
    void advance_target(const Rect& r);
    // Selects `r` in the target, kept inside the package (at least a tile).
    void select_target_inside(const Rect& r);

    // What a pane's package was read from and the texture use found there.
    struct Origin {
        std::string file;  // empty: not read from a file (new, copied, pasted)
        bool asked = false;
        std::optional<TextureUse> use;
    };
    Origin& origin(Side side) { return side == Side::source ? source_origin_ : target_origin_; }
    const Origin& origin(Side side) const { return side == Side::source ? source_origin_ : target_origin_; }

    Document document_;
    Origin source_origin_, target_origin_;
    View source_view_, target_view_;
    Options options_;
    RecentFiles recent_;
    Side last_clicked_ = Side::target;
};

}  // namespace tilesmith
