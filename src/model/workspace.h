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

#include "core/job.h"
#include "core/package.h"
#include "core/progress.h"
#include "model/document.h"
#include "model/level_scene.h"
#include "model/options.h"
#include "model/recent_files.h"
#include "model/texture_use.h"
#include "model/view.h"

namespace tilesmith {

// The two panes: the source on the left, the target on the right.
enum class Side { source = 1, target = 2 };

// What an open command did.
struct OpenAnswer {
    bool recognised = false;  // false: a file of no kind we read, nothing happened
    std::optional<Msg> refusal;  // the message of a refused TGA or level
    // What the user is told: the refusal naming the file, the warning of a
    // file read with rows missing, or that a file is of no kind we read.
    std::optional<Phrase> note;
};

// What an export did: refused (nothing written), or written, with the note of
// the tiles it changed among those the level maps when that could be read.
struct ExportOutcome {
    std::optional<Msg> refusal;
    std::optional<Phrase> note;
};

// A piece of long work the model hands the window: `work` runs on a worker
// and touches no shared state; the commit it returns runs on the window's
// thread. `small`: it ends before anyone could tell, so it may run here and now.
struct Task {
    Job::Work work;
    bool small = false;
};
// The work, then its commit, here and now.
void run_here(const Task& task, Progress& progress);

// What the window may offer; while a job holds the document, none of it.
enum class Operation { open, new_package, save, export_level, undo, redo, edit_target, copy_target };

// A row of the history: the start (before the oldest step kept) or a step.
struct HistoryRow {
    Phrase name;
    bool done;   // at or before the state now
    bool saved;  // the state its file holds
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
    const PaneOrigin& origin(Side side) const;
    Language language() const { return options_.language; }
    int language_index() const { return options_.language_index(); }
    // Status-bar panels 1, 2, 4, 5: each package's size and its count of whole tiles.
    std::array<std::string, 4> size_texts() const;
    bool undo_enabled() const { return available(Operation::undo); }
    bool redo_enabled() const { return available(Operation::redo); }
    int undo_count() const { return int(document_.history().undo_count()); }
    bool target_modified() const { return document_.modified(); }
    Revision revision() const { return document_.revision(); }
    Revision saved_revision() const { return document_.saved_revision(); }
    // Whether the window may offer `op` now.
    bool available(Operation op) const;
    // A job holds the document from its start to its end: every change is refused meanwhile.
    bool busy() const { return document_.busy(); }
    void set_busy(bool busy) { document_.set_busy(busy); }

    // The names of the steps undo and redo would take (none: nothing to take).
    std::optional<Phrase> undo_name() const;
    std::optional<Phrase> redo_name() const;
    // The start, then every step kept, oldest first.
    std::vector<HistoryRow> history() const;
    // Undoes or redoes to row `row` of history() (0: the start).
    void go_to_history(int row);
    // The next step is larger than the history can keep, so taking it empties
    // the history: the question to ask first. `whole_target`: the step
    // replaces the whole target (new, modify, copy package, open target);
    // else it changes the target selection (or the source selection's size there).
    std::optional<Phrase> history_warning(bool whole_target) const;
    // The pane the arrow keys and the zoom commands act on.
    Side last_clicked() const { return last_clicked_; }

    // Options, language and grid.
    void set_options(const Options& options);
    void set_automove(bool on) { options_.automove = on; }
    void set_correct_transparent_color(bool on) { options_.correct_transparent_color = on; }
    void set_eight_bit(bool on) { options_.eight_bit = on; }
    void set_flat_look(bool on) { options_.flat_look = on; }
    void set_coordinates(bool on) { options_.show_coordinates = on; }
    void set_grid_visible(bool on) { options_.grid_visible = on; }
    void set_texture_use(bool on) { options_.texture_use = on; }
    void set_language(Language language) { options_.language = language; }
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
    // A zoom set as it was left (a restart): the package's top-left stays where it was.
    void set_zoom(Side side, int zoom) { view_of(side).set_zoom(zoom, 0, 0); }
    void select(Side side, const Rect& r) { view_of(side).select(r); }
    // A face or sprite picked in the level's 3D view: the tiles its texture
    // maps are selected in the pane, scrolled into sight when none of them shows.
    void select_picked(Side side, const ScenePick& pick);
    Rect selected_source_rect() const { return source_view_.selection(); }
    Rect selected_target_rect() const { return target_view_.selection(); }

    // Undo and redo (undo, redo); false when there is nothing to take back or redo.
    bool undo();
    bool redo();

    // add_tiles: the source rectangle onto the target at its selection's
    // top-left (what falls outside the target is not written), then the
    // automatic move. The target selection takes the source's size, kept
    // inside the package; when tiles of the source did not fit, what says how many.
    std::optional<Phrase> tx_add();
    // delete_tiles: the target selection in the background colour; `name`
    // Cut when it cuts.
    void tx_del(Msg name = Msg::Delete);
    // copy_transparency: the source rectangle as a mask: its magenta pixels
    // punch holes into the target from the target selection's top-left.
    void tx_copytrans();
    // copy_package after its questions: the window asks question 2/3, then 4/5
    // when package_sizes_differ(), then calls tx_copy().
    bool package_sizes_differ() const;
    void tx_copy();

    // Every effect command: one undo step named `name`, then the routine once
    // on the target selection as one picture (`area`, in the target package's pixels).
    using AreaRoutine = std::function<void(Package&, const Rect& area)>;
    void apply_effect(Phrase name, const AreaRoutine& routine);
    // The same as a task: the routine works on a copy of the selection's
    // part inside the target; the commit is the one undo step.
    using TaskRoutine = std::function<void(Package&, const Rect& area, Progress&)>;
    Task effect(Phrase name, TaskRoutine routine);
    // The count of tiles an effect would visit.
    long long effect_tiles() const;

    // Open (source or target): reads `file_name` aside (and, for a level, the
    // texture references its textures use); the commit takes it in and calls
    // `then` with the answer. Errors (tilesmith::Error) and refusals leave the
    // workspace unchanged. A target opened from an image of a kind we write is
    // saved back to it; opening a target is one undo step.
    Task open(Side side, std::string file_name, std::function<void(const OpenAnswer&)> then);
    // Save and Save As: the question to ask before writing `file_name` (a type
    // that loses the transparent colour), if any.
    std::optional<Phrase> save_question(const std::string& file_name) const;
    // Writes the target as it is now to `file_name` with the writer its
    // extension selects; the commit records the revision written (Save writes
    // there from now on) and calls `then` (false: no writer takes the
    // extension, nothing was written).
    Task save(std::string file_name, std::function<void(bool written)> then);
    // Export: the refusal of a base that cannot take the target, if any.
    std::optional<Phrase> export_refusal(const std::string& base) const;
    // Writes the target into a copy of the level `base` as `output`; the work
    // also counts what it changed among the tiles the level maps.
    Task export_level(std::string output, std::string base, std::function<void(const ExportOutcome&)> then) const;

    // The recent list of the last run, newest first.
    void restore_recent(const std::vector<std::string>& newest_first) { recent_.restore(newest_first); }
    // The file Save writes to; Save As and the open and new commands set it too.
    void set_target_file_name(std::string name) { document_.set_target_file_name(std::move(name)); }
    // A package as the source or as a freshly opened target (one undo step,
    // the package's brush kept), its view reset.
    void use_source(Package package);
    void use_target(Package package);

    // Texture use of the package a pane shows, when it was read from a level
    // (read with it); null for images and object packages.
    const TextureUse* texture_use(Side side) const;
    // Why the texture use of the level a pane shows could not be read (its
    // pages are fine), told once.
    std::optional<Phrase> texture_use_note(Side side);

    // The rooms of the level a pane's package was read from, read with it;
    // null for other packages and for a level whose rooms cannot be read,
    // whose problem says why.
    const LevelScene* scene(Side side) const { return scene_origin(side).scene.get(); }
    std::shared_ptr<const LevelScene> shared_scene(Side side) const { return scene_origin(side).scene; }
    const std::optional<Phrase>& scene_problem(Side side) const { return scene_origin(side).scene_problem; }
    // The file the level shown for a pane was read from.
    const std::string& scene_file(Side side) const { return scene_origin(side).file; }
    // Export preview: the rooms of the level `base` dressed in the target, in
    // the 3D view, while the target was not read from a level itself. Ask
    // export_refusal first: a base an export refuses is no preview either.
    Task preview_on(std::string base, std::function<void()> then);
    // The pane the level's 3D view shows: the target when it was read from a
    // level or previews one, else the source.
    Side scene_side() const;

    // Duplicates and unused tiles. The whole tiles of the pane's package that
    // match the 64 x 64 area at its selection's top-left within `tolerance`
    // levels per channel (itself included), in reading order.
    std::vector<TileSpot> duplicates_of_selection(Side side, int tolerance) const;
    // The target's distinct whole tiles packed to its front in reading order,
    // the tiles after them in the transparent colour: one undo step. Tiles
    // all of the transparent colour are empty places, neither kept nor
    // counted. Returns how many tiles were removed; 0 changes nothing and
    // costs no step.
    int remove_duplicate_tiles();
    // The whole tiles no texture maps, once the pane's texture use is known
    // (read with its level); none otherwise.
    std::vector<TileSpot> unused_tiles(Side side) const;
    // Find duplicates and Select unused tiles: the tiles above marked in the
    // pane's view; how many.
    int mark_duplicates(Side side, int tolerance);
    int mark_unused(Side side);

    // confirm_package after its question: new (filled) or modified (pixels
    // kept), one undo step.
    void make_package(int columns, int rows, PackedColor background, bool modify);

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
    // push_undo: one undo step named `name` for `edit`, which changes the target inside `r` only.
    void push_undo(Phrase name, const Rect& r, std::function<void(Package&)> edit) {
        target_view_.mark({});
        document_.edit_target(std::move(name), r, std::move(edit));
    }
    // After undo or redo: a target of another size gets its view anew.
    void fit_target_view();
    // The target replaced by `package` as an opened file, one undo step.
    void replace_target(Package package, std::string file_name, std::shared_ptr<const PaneOrigin> origin);
    // A package read from `origin`'s file into a pane.
    void take_opened(Side side, Package package, std::shared_ptr<const PaneOrigin> origin);
    // The automatic move of the add command over a selection of `r`'s size.
    void advance_target(const Rect& r);
    // Selects `r` in the target, kept inside the package (at least a tile).
    void select_target_inside(const Rect& r);

    // What the 3D view shows of a pane: the target previews its base while it
    // has no level of its own.
    const PaneOrigin& scene_origin(Side side) const;

    Document document_;
    // The base level of the export preview, with its rooms.
    std::shared_ptr<const PaneOrigin> preview_;
    // What the source was read from (the target's is part of its state), and
    // why a pane's texture use could not be read, until told.
    std::shared_ptr<const PaneOrigin> source_origin_;
    std::array<std::optional<Phrase>, 2> use_notes_;
    View source_view_, target_view_;
    Options options_;
    RecentFiles recent_;
    Side last_clicked_ = Side::target;
};

}  // namespace tilesmith
