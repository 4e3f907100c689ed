// The workspace model of the main window: views, region commands, effects and the history.
#include "model/workspace.h"

#include <algorithm>
#include <memory>

#include "core/error.h"
#include "model/tile_match.h"

namespace tilesmith {

namespace {

std::string size_text(const Package& p) {
    return std::to_string(p.width()) + " x " + std::to_string(p.height());
}
std::string tile_count_text(const Package& p) {
    // 64-bit product: a 2048 x 8192 package or a long level does not overflow.
    return std::to_string((long long)p.width() * p.height() / (kTileSide * kTileSide));
}

// `r` moved so that its top-left is (left, top).
Rect placed(const Rect& r, int left, int top) { return Rect::of_size(left, top, r.width(), r.height()); }

Rect whole(const Package& p) { return Rect::of_size(0, 0, p.width(), p.height()); }

// Tiles across or down a span of pixels, a part tile counting whole.
long long tiles_in(int pixels) { return pixels <= 0 ? 0 : (pixels + kTileSide - 1) / kTileSide; }

}  // namespace

Workspace::Workspace() {
    source_view_.reset(source_package().width(), source_package().height());
    target_view_.reset(target_package().width(), target_package().height());
}

std::array<std::string, 4> Workspace::size_texts() const {
    return {size_text(source_package()), tile_count_text(source_package()), size_text(target_package()),
            tile_count_text(target_package())};
}

void Workspace::set_options(const Options& options) {
    options_ = options;
    set_grid_step(options.grid_step);
}

void Workspace::set_grid_step(int step) {
    options_.grid_step = is_grid_step(step) ? step : kDefaultGridStep;
}

bool Workspace::press(Side side, MouseButton button, int sx, int sy, bool extend) {
    last_clicked_ = side;
    return view_of(side).press(button, sx, sy, extend);
}

bool Workspace::scroll_notches(Side side, int vertical, int horizontal) {
    View& v = view_of(side);
    // A tile of the screen per notch, at least one package pixel.
    const int step = std::max(kTileSide / v.zoom(), 1);
    return v.scroll_by(-horizontal * step, -vertical * step);
}

bool Workspace::zoom_at(Side side, int notches, int sx, int sy) {
    View& v = view_of(side);
    return v.set_zoom(v.zoom() + notches, sx, sy);
}

bool Workspace::zoom_step(int direction) {
    View& v = view_of(last_clicked_);
    return v.set_zoom(direction == 0 ? View::kMinZoom : v.zoom() + direction);
}

bool Workspace::available(Operation op) const {
    if (busy()) return false;
    switch (op) {
        case Operation::undo: return document_.history().can_undo();
        case Operation::redo: return document_.history().can_redo();
        default: return true;
    }
}

bool Workspace::undo() {
    target_view_.mark({});
    const bool undone = document_.undo();
    fit_target_view();
    return undone;
}

bool Workspace::redo() {
    target_view_.mark({});
    const bool redone = document_.redo();
    fit_target_view();
    return redone;
}

void Workspace::fit_target_view() {
    const Package& target = target_package();
    if (target_view_.package_width() != target.width() || target_view_.package_height() != target.height())
        target_view_.reset(target.width(), target.height());
}

std::optional<Phrase> Workspace::undo_name() const {
    const UndoStack& h = document_.history();
    if (!h.can_undo()) return std::nullopt;
    return h.name(h.undo_count() - 1);
}

std::optional<Phrase> Workspace::redo_name() const {
    const UndoStack& h = document_.history();
    if (!h.can_redo()) return std::nullopt;
    return h.name(h.undo_count());
}

std::vector<HistoryRow> Workspace::history() const {
    const UndoStack& h = document_.history();
    // The saved mark goes on the row whose revision the file holds, once.
    const Revision saved = document_.saved_revision();
    std::vector<HistoryRow> rows{{Phrase(Msg::HistoryStart), true, h.base_revision() == saved}};
    for (std::size_t i = 0; i < h.size(); ++i)
        rows.push_back({h.name(i), i < h.undo_count(), h.revision_after(i) == saved});
    return rows;
}

void Workspace::go_to_history(int row) {
    const UndoStack& h = document_.history();
    const std::size_t wanted = std::size_t(std::clamp(row, 0, int(h.size())));
    while (h.undo_count() > wanted && document_.undo()) {}
    while (h.undo_count() < wanted && document_.redo()) {}
    fit_target_view();
}

std::optional<Phrase> Workspace::history_warning(bool whole_target) const {
    const Package& target = target_package();
    std::size_t bytes = 0;
    if (whole_target) {
        bytes = PatchCommand::bytes_for({0, 0, target.width(), target.height()}, target);
    } else {
        const Rect t = target_view_.selection(), s = source_view_.selection();
        bytes = std::max(PatchCommand::bytes_for(t, target), PatchCommand::bytes_for(placed(s, t.left, t.top), target));
    }
    if (bytes <= UndoStack::kByteLimit) return std::nullopt;
    return Phrase(Msg::StepEmptiesHistory).arg(UndoStack::kByteLimit >> 20);
}

std::optional<Phrase> Workspace::tx_add() {
    const Rect s = source_view_.selection();
    const Rect t = placed(s, target_view_.selection().left, target_view_.selection().top);
    const Rect inside = t.intersected(whole(target_package()));
    select_target_inside(t);
    const Package& source = source_package();
    push_undo(Msg::Add, inside, [&](Package& target) {
        target.copy_rect(source, s.left, s.top, s.width(), s.height(), t.left, t.top);
    });
    if (options_.automove) advance_target(t);
    const long long all = tiles_in(s.width()) * tiles_in(s.height());
    const long long left_out = all - tiles_in(inside.width()) * tiles_in(inside.height());
    if (left_out <= 0) return std::nullopt;
    return Phrase(Msg::TilesLeftOut).arg(left_out).arg(all);
}

void Workspace::select_target_inside(const Rect& r) {
    const Rect inside = r.intersected(whole(target_package()));
    target_view_.select(inside.empty() ? r : inside);
}

void Workspace::advance_target(const Rect& r) {
    // Repeated adds fill the target in reading order: the next place to the
    // right while it starts inside the package, else the first of the next
    // band of rows, else stay. The pane scrolls only as far as needed.
    const Package& target = target_package();
    Rect next = r;
    if (r.right < target.width()) next = placed(r, r.right, r.top);
    else if (r.bottom < target.height()) next = placed(r, 0, r.bottom);
    else return;
    select_target_inside(next);
    target_view_.ensure_visible(target_view_.selection());
}

void Workspace::tx_del(Msg name) {
    const Rect t = target_view_.selection();
    push_undo(name, t, [t](Package& target) { target.fill_rect(t.left, t.top, t.width(), t.height(), target.brush()); });
}

void Workspace::tx_copytrans() {
    const Rect s = source_view_.selection();
    const Rect t = placed(s, target_view_.selection().left, target_view_.selection().top);
    select_target_inside(t);
    const Package& source = source_package();
    // The source is a mask: its magenta pixels punch holes into the target. A
    // pixel missing on either side takes no part.
    push_undo(Msg::CopyTransparency, t, [&](Package& target) {
        for (int j = 0; j < s.height(); ++j)
            for (int i = 0; i < s.width(); ++i)
                if (source.contains(s.left + i, s.top + j) && source.pixel(s.left + i, s.top + j) == kTransparent)
                    target.set_pixel(t.left + i, t.top + j, kTransparent);
    });
}

bool Workspace::package_sizes_differ() const {
    return source_package().width() != target_package().width() ||
           source_package().height() != target_package().height();
}

void Workspace::tx_copy() {
    const Package& source = source_package();
    // The target's brush stays, the background colour of later deletes; the
    // name Save writes to stays too.
    document_.replace_target(
        Msg::CopyPackage,
        [&](TargetState& old) {
            TargetState fresh{source.clone(), old.file_name, old.saved, nullptr};
            fresh.pixels.set_brush(old.pixels.brush());
            return fresh;
        },
        false);
    target_view_.reset(target_package().width(), target_package().height());
}

void Workspace::apply_effect(Phrase name, const AreaRoutine& routine) {
    const Rect t = target_view_.selection();
    push_undo(std::move(name), t, [&](Package& target) { routine(target, t); });
}

Task Workspace::effect(Phrase name, TaskRoutine routine) {
    // A copy of the selection's part inside the target: the work changes it
    // alone. Its edges are the package's wherever the selection reaches past
    // it, so each tile sees exactly what it would see in place.
    const Rect t = target_view_.selection();
    const Package& target = target_package();
    const int right = std::min(t.right, target.width()), bottom = std::min(t.bottom, target.height());
    auto region = std::make_shared<Package>(std::max(right - t.left, 0), std::max(bottom - t.top, 0), target.brush());
    region->copy_rect(target, t.left, t.top, region->width(), region->height(), 0, 0);
    Job::Work work = [self = this, t, region, name = std::move(name), routine = std::move(routine)](Progress& progress) -> Job::Commit {
        routine(*region, Rect::of_size(0, 0, t.width(), t.height()), progress);
        return [self, t, region, name] {
            self->push_undo(name, t, [t, region](Package& target) {
                target.copy_rect(*region, 0, 0, region->width(), region->height(), t.left, t.top);
            });
        };
    };
    // A few tiles end before anyone could tell.
    return {std::move(work), effect_tiles() <= 16};
}

long long Workspace::effect_tiles() const {
    const Rect t = target_view_.selection();
    return (long long)((t.width() + kTileSide - 1) / kTileSide) * ((t.height() + kTileSide - 1) / kTileSide);
}

std::vector<TileSpot> Workspace::duplicates_of_selection(Side side, int tolerance) const {
    const Rect r = view(side).selection();
    return matching_tiles(package(side), r.left, r.top, tolerance);
}

int Workspace::remove_duplicate_tiles() {
    const Package& target = target_package();
    const TileClasses classes = classify_tiles(target, 0);
    // A tile all of the transparent colour is an empty place, what packing
    // leaves behind: it neither stays nor counts as removed.
    std::vector<bool> moves(classes.kind.size(), false);
    int removed = 0, seen = 0;
    for (std::size_t n = 0; n < classes.kind.size(); ++n) {
        const bool first = classes.kind[n] == seen;
        if (first) ++seen;
        const TileSpot at = tile_in_reading_order(target, (long long)n);
        bool empty = true;
        for (int y = 0; empty && y < kTileSide; ++y)
            for (int x = 0; empty && x < kTileSide; ++x)
                empty = target.pixel(at.column * kTileSide + x, at.row * kTileSide + y) == kTransparent;
        if (empty) continue;
        if (first) moves[n] = true;
        else ++removed;
    }
    if (removed == 0) return 0;
    const Rect tiles{0, 0, whole_tile_columns(target) * kTileSide, whole_tile_rows(target) * kTileSide};
    push_undo(Msg::RemoveDuplicates, tiles, [moves = std::move(moves)](Package& package) {
        // The n-th tile that stays moves to place n, never past a tile still to move.
        long long place = 0;
        for (std::size_t n = 0; n < moves.size(); ++n) {
            if (!moves[n]) continue;
            const TileSpot from = tile_in_reading_order(package, (long long)n), to = tile_in_reading_order(package, place);
            if (place != (long long)n)
                package.copy_rect(package, from.column * kTileSide, from.row * kTileSide, kTileSide, kTileSide,
                                  to.column * kTileSide, to.row * kTileSide);
            ++place;
        }
        for (; place < (long long)moves.size(); ++place) {
            const TileSpot at = tile_in_reading_order(package, place);
            package.fill_rect(at.column * kTileSide, at.row * kTileSide, kTileSide, kTileSide, kTransparent);
        }
    });
    return removed;
}

std::vector<TileSpot> Workspace::unused_tiles(Side side) const {
    const TextureUse* use = texture_use(side);
    return use ? tilesmith::unused_tiles(package(side), *use) : std::vector<TileSpot>{};
}

int Workspace::mark_duplicates(Side side, int tolerance) {
    view_of(side).mark(duplicates_of_selection(side, tolerance));
    return int(view(side).marked().size());
}

int Workspace::mark_unused(Side side) {
    view_of(side).mark(unused_tiles(side));
    return int(view(side).marked().size());
}

Package Workspace::copy_selection(Side side) const {
    const Rect t = view(side).selection();
    const Package& from = package(side);
    Package region(t.width(), t.height(), from.brush());
    region.copy_rect(from, t.left, t.top, t.width(), t.height(), 0, 0);
    return region;
}

int Workspace::paste_room_width() const {
    return std::max(target_package().width() - target_view_.selection().left, 0);
}
int Workspace::paste_room_height() const {
    return std::max(target_package().height() - target_view_.selection().top, 0);
}

void Workspace::paste_into_target(const Package& image) {
    const Rect at = target_view_.selection();
    const Rect t = Rect::of_size(at.left, at.top, image.width(), image.height()).intersected(whole(target_package()));
    // An empty image, or one with no room, changes nothing and so costs no undo step.
    if (t.empty()) return;
    push_undo(Msg::PasteFromClipboard, t, [&](Package& target) { target.copy_rect(image, 0, 0, t.width(), t.height(), t.left, t.top); });
    target_view_.select(t);
}

void Workspace::select_picked(Side side, const ScenePick& pick) {
    const LevelScene* level = scene(side);
    if (!level) return;
    const Rect tiles = level->picked_tiles(pick);
    if (tiles.empty()) return;
    View& v = view_of(side);
    v.select(tiles);
    const Rect shown = Rect::of_size(v.scroll_x(), v.scroll_y(), v.visible_width(), v.visible_height());
    if (shown.intersected(tiles).empty()) v.scroll_to(tiles.left, tiles.top);
}

void Workspace::select_all() {
    const Package& p = package(last_clicked_);
    if (p.width() > 0 && p.height() > 0) view_of(last_clicked_).select(whole(p));
}

}  // namespace tilesmith
