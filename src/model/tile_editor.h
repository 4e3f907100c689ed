// The commands that change the target: tiles, effects, the clipboard, the
// package's size, duplicates, and the way back and forth through the history.
// Every command acts on the whole selected rectangle as one undo step.
#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "model/document.h"
#include "model/options.h"
#include "model/pane_origins.h"
#include "model/pane_views.h"
#include "model/tile_match.h"

namespace tilesmith {

class TileEditor {
public:
    TileEditor(Document& document, PaneViews& views, PaneOrigins& origins, const Options& options)
        : document_(document), views_(views), origins_(origins), options_(options) {}

    // Undo and redo; false when there is nothing to take back or redo.
    bool undo();
    bool redo();
    // Undoes or redoes to row `row` of the document's history rows (0: the start).
    void go_to_history(int row);
    // The next step is larger than the history can keep, so taking it empties
    // the history: the question to ask first. `whole_target`: the step
    // replaces the whole target (new, modify, copy package, open target);
    // else it changes the target selection (or the source selection's size there).
    std::optional<Phrase> history_warning(bool whole_target) const;
    // The same for a paste of a `width` x `height` picture at the target selection.
    std::optional<Phrase> paste_warning(int width, int height) const;

    // The source rectangle onto the target at its selection's top-left (what
    // falls outside the target is not written), then the automatic move. The
    // target selection takes the source's size, kept inside the package; when
    // tiles of the source did not fit, what says how many.
    std::optional<Phrase> tx_add();
    // The target selection in the background colour; `name` Cut when it cuts.
    void tx_del(Msg name = Msg::Delete);
    // The source rectangle as a mask: its magenta pixels punch holes into the
    // target from the target selection's top-left.
    void tx_copytrans();
    // Copy package, after its questions: the window asks whether to copy, then
    // whether to resize when package_sizes_differ().
    bool package_sizes_differ() const;
    void tx_copy();

    // Every effect: one undo step named `name`, then the routine once on the
    // target selection as one picture (`area`, in the target package's pixels).
    using AreaRoutine = std::function<void(Package&, const Rect& area)>;
    void apply_effect(Phrase name, const AreaRoutine& routine);
    // The same as a task: the routine works on a copy of the selection's part
    // inside the target; the commit is the one undo step.
    using TaskRoutine = std::function<void(Package&, const Rect& area, Progress&)>;
    Task effect(Phrase name, TaskRoutine routine);
    // The count of tiles an effect would visit.
    long long effect_tiles() const;

    // The whole tiles of the pane's package that match the 64 x 64 area at its
    // selection's top-left within `tolerance` levels per channel (itself
    // included), in reading order.
    std::vector<TileSpot> duplicates_of_selection(Side side, int tolerance) const;
    // The target's distinct whole tiles packed to its front in reading order,
    // the tiles after them in the transparent colour: one undo step. Which
    // tiles are duplicates is the rule of tile_match.h, the same as collect's.
    // Returns how many tiles were removed; 0 changes nothing and costs no step
    // (nor does a target already packed so).
    int remove_duplicate_tiles();
    // The whole tiles no texture maps, once the pane's texture use is known
    // (read with its level); none otherwise.
    std::vector<TileSpot> unused_tiles(Side side) const;
    // Find duplicates and Select unused tiles: the tiles above marked in the pane's view; how many.
    int mark_duplicates(Side side, int tolerance);
    int mark_unused(Side side);

    // New (filled) or modified (pixels kept) package, after its question: one undo step.
    void make_package(int columns, int rows, PackedColor background, bool modify);
    // A package as a freshly opened target without a file (one undo step, the package's brush kept).
    void use_target(Package package);

    // Clipboard. A pane's selection as one image (pixels outside the package
    // read as the background colour).
    Package copy_selection(Side side) const;
    // The whole image at the target selection's top-left, clipped only by the
    // package, as one undo step; the selection takes the pasted size (an empty
    // image changes nothing).
    void paste_into_target(const Package& image);
    // The space the target offers a paste: from the selection's top-left to the package's edges.
    int paste_room_width() const;
    int paste_room_height() const;

private:
    const Package& package(Side side) const { return side == Side::source ? document_.source() : document_.target(); }
    // push_undo: one undo step named `name` for `edit`, which changes the target inside `r` only.
    void push_undo(Phrase name, const Rect& r, std::function<void(Package&)> edit);
    // The automatic move of the add command over a selection of `r`'s size.
    void advance_target(const Rect& r);

    Document& document_;
    PaneViews& views_;
    PaneOrigins& origins_;
    const Options& options_;
};

}  // namespace tilesmith
