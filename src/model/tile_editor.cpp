// The commands that change the target, and the way through its history.
#include "model/tile_editor.h"

#include <algorithm>
#include <memory>

#include "core/error.h"

namespace tilesmith {

namespace {

// `r` moved so that its top-left is (left, top).
Rect placed(const Rect& r, int left, int top) { return Rect::of_size(left, top, r.width(), r.height()); }

Rect whole(const Package& p) { return Rect::of_size(0, 0, p.width(), p.height()); }

// Tiles across or down a span of pixels, a part tile counting whole.
long long tiles_in(int pixels) { return pixels <= 0 ? 0 : (pixels + kTileSide - 1) / kTileSide; }

// A step of `bytes` larger than the history keeps empties it: what to ask first.
std::optional<Phrase> bytes_warning(std::size_t bytes) {
    if (bytes <= UndoStack::kByteLimit) return std::nullopt;
    return Phrase(Msg::StepEmptiesHistory).arg(UndoStack::kByteLimit >> 20);
}

// Whether packing the kept tiles forward would change nothing: they lead, and
// every tile after them is already of the transparent colour packing leaves.
bool already_packed(const Package& package, const std::vector<bool>& kept) {
    const auto first_gone = std::find(kept.begin(), kept.end(), false);
    if (std::find(first_gone, kept.end(), true) != kept.end()) return false;
    for (long long n = first_gone - kept.begin(); n < (long long)kept.size(); ++n) {
        const TileSpot at = tile_in_reading_order(package, n);
        for (int y = 0; y < kTileSide; ++y)
            for (int x = 0; x < kTileSide; ++x)
                if (package.pixel(at.column * kTileSide + x, at.row * kTileSide + y) != kTransparent) return false;
    }
    return true;
}

}  // namespace

void TileEditor::push_undo(Phrase name, const Rect& r, std::function<void(Package&)> edit) {
    views_.view(Side::target).mark({});
    document_.edit_target(std::move(name), r, std::move(edit));
}

bool TileEditor::undo() {
    views_.view(Side::target).mark({});
    const bool undone = document_.undo();
    views_.fit(Side::target, document_.target());
    return undone;
}

bool TileEditor::redo() {
    views_.view(Side::target).mark({});
    const bool redone = document_.redo();
    views_.fit(Side::target, document_.target());
    return redone;
}

void TileEditor::go_to_history(int row) {
    const UndoStack& h = document_.history();
    const std::size_t wanted = std::size_t(std::clamp(row, 0, int(h.size())));
    while (h.undo_count() > wanted && document_.undo()) {}
    while (h.undo_count() < wanted && document_.redo()) {}
    views_.fit(Side::target, document_.target());
}

std::optional<Phrase> TileEditor::history_warning(bool whole_target) const {
    const Package& target = document_.target();
    std::size_t bytes = 0;
    if (whole_target) {
        bytes = PatchCommand::bytes_for({0, 0, target.width(), target.height()}, target);
    } else {
        const Rect t = views_.view(Side::target).selection(), s = views_.view(Side::source).selection();
        bytes = std::max(PatchCommand::bytes_for(t, target), PatchCommand::bytes_for(placed(s, t.left, t.top), target));
    }
    return bytes_warning(bytes);
}

std::optional<Phrase> TileEditor::paste_warning(int width, int height) const {
    const Rect at = views_.view(Side::target).selection();
    return bytes_warning(PatchCommand::bytes_for(Rect::of_size(at.left, at.top, width, height), document_.target()));
}

std::optional<Phrase> TileEditor::tx_add() {
    const Rect s = views_.view(Side::source).selection();
    const Rect t = placed(s, views_.view(Side::target).selection().left, views_.view(Side::target).selection().top);
    const Rect inside = t.intersected(whole(document_.target()));
    views_.select_inside(document_.target(), t);
    const Package& source = document_.source();
    push_undo(Msg::Add, inside, [&](Package& target) {
        target.copy_rect(source, s.left, s.top, s.width(), s.height(), t.left, t.top);
    });
    if (options_.automove) advance_target(t);
    const long long all = tiles_in(s.width()) * tiles_in(s.height());
    const long long left_out = all - tiles_in(inside.width()) * tiles_in(inside.height());
    if (left_out <= 0) return std::nullopt;
    return Phrase(Msg::TilesLeftOut).arg(left_out).arg(all);
}

void TileEditor::advance_target(const Rect& r) {
    // Repeated adds fill the target in reading order: the next place to the
    // right while it starts inside the package, else the first of the next
    // band of rows, else stay. The pane scrolls only as far as needed.
    const Package& target = document_.target();
    Rect next = r;
    if (r.right < target.width()) next = placed(r, r.right, r.top);
    else if (r.bottom < target.height()) next = placed(r, 0, r.bottom);
    else return;
    views_.select_inside(document_.target(), next);
    views_.view(Side::target).ensure_visible(views_.view(Side::target).selection());
}

void TileEditor::tx_del(Msg name) {
    const Rect t = views_.view(Side::target).selection();
    push_undo(name, t, [t](Package& target) { target.fill_rect(t.left, t.top, t.width(), t.height(), target.brush()); });
}

void TileEditor::tx_copytrans() {
    const Rect s = views_.view(Side::source).selection();
    const Rect t = placed(s, views_.view(Side::target).selection().left, views_.view(Side::target).selection().top);
    views_.select_inside(document_.target(), t);
    const Package& source = document_.source();
    // The source is a mask: its magenta pixels punch holes into the target. A
    // pixel missing on either side takes no part.
    push_undo(Msg::CopyTransparency, t, [&](Package& target) {
        for (int j = 0; j < s.height(); ++j)
            for (int i = 0; i < s.width(); ++i)
                if (source.contains(s.left + i, s.top + j) && source.pixel(s.left + i, s.top + j) == kTransparent)
                    target.set_pixel(t.left + i, t.top + j, kTransparent);
    });
}

bool TileEditor::package_sizes_differ() const {
    return document_.source().width() != document_.target().width() ||
           document_.source().height() != document_.target().height();
}

void TileEditor::tx_copy() {
    const Package& source = document_.source();
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
    views_.view(Side::target).reset(document_.target().width(), document_.target().height());
}

void TileEditor::apply_effect(Phrase name, const AreaRoutine& routine) {
    const Rect t = views_.view(Side::target).selection();
    push_undo(std::move(name), t, [&](Package& target) { routine(target, t); });
}

Task TileEditor::effect(Phrase name, TaskRoutine routine) {
    // A copy of the selection's part inside the target: the work changes it
    // alone. Its edges are the package's wherever the selection reaches past
    // it, so each tile sees exactly what it would see in place.
    const Rect t = views_.view(Side::target).selection();
    const Package& target = document_.target();
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
    return document_.hand_out(std::move(work));
}

long long TileEditor::effect_tiles() const {
    const Rect t = views_.view(Side::target).selection();
    return (long long)((t.width() + kTileSide - 1) / kTileSide) * ((t.height() + kTileSide - 1) / kTileSide);
}

std::vector<TileSpot> TileEditor::duplicates_of_selection(Side side, int tolerance) const {
    const Rect r = views_.view(side).selection();
    return matching_tiles(package(side), r.left, r.top, tolerance);
}

int TileEditor::remove_duplicate_tiles() {
    const Package& target = document_.target();
    // The rule of tile_match.h: the first of each kind stays, transparent or not.
    const TileClasses classes = classify_tiles(target, 0);
    const std::vector<bool>& moves = classes.first;
    const int removed = int(classes.duplicates());
    if (removed == 0 || already_packed(target, moves)) return 0;
    const Rect tiles{0, 0, whole_tile_columns(target) * kTileSide, whole_tile_rows(target) * kTileSide};
    push_undo(Msg::RemoveDuplicates, tiles, [moves](Package& package) {
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

std::vector<TileSpot> TileEditor::unused_tiles(Side side) const {
    const TextureUse* use = origins_.texture_use(side);
    return use ? tilesmith::unused_tiles(package(side), *use) : std::vector<TileSpot>{};
}

int TileEditor::mark_duplicates(Side side, int tolerance) {
    views_.view(side).mark(duplicates_of_selection(side, tolerance));
    return int(views_.view(side).marked().size());
}

int TileEditor::mark_unused(Side side) {
    views_.view(side).mark(unused_tiles(side));
    return int(views_.view(side).marked().size());
}

Package TileEditor::copy_selection(Side side) const {
    const Rect t = views_.view(side).selection();
    const Package& from = package(side);
    Package region(t.width(), t.height(), from.brush());
    region.copy_rect(from, t.left, t.top, t.width(), t.height(), 0, 0);
    return region;
}

void TileEditor::make_package(int columns, int rows, PackedColor background, bool modify) {
    // The dialog's track bars allow 1..32 columns and 1..128 rows.
    columns = std::clamp(columns, 1, 32);
    rows = std::clamp(rows, 1, 128);
    document_.replace_target(
        modify ? Msg::StepResizePackage : Msg::StepNewPackage,
        [&](TargetState& old) {
            // A resized package no longer has its level's pages where they were.
            TargetState fresh{modify ? old.pixels.clone() : Package(), old.file_name, old.saved, nullptr};
            fresh.pixels.set_brush(background);
            fresh.pixels.resize(kTileSide * columns, kTileSide * rows);
            if (!modify) {
                fresh.pixels.fill_rect(0, 0, fresh.pixels.width(), fresh.pixels.height(), background);
                fresh.file_name.clear();
            }
            return fresh;
        },
        // A fresh package holds no work yet.
        !modify);
    origins_.set_target_note(std::nullopt);
    views_.reset(Side::target, document_.target());
}

void TileEditor::use_target(Package package) {
    document_.open_target(std::move(package), {}, nullptr);
    origins_.set_target_note(std::nullopt);
    views_.reset(Side::target, document_.target());
}

int TileEditor::paste_room_width() const {
    return std::max(document_.target().width() - views_.view(Side::target).selection().left, 0);
}
int TileEditor::paste_room_height() const {
    return std::max(document_.target().height() - views_.view(Side::target).selection().top, 0);
}

void TileEditor::paste_into_target(const Package& image) {
    const Rect at = views_.view(Side::target).selection();
    const Rect t = Rect::of_size(at.left, at.top, image.width(), image.height()).intersected(whole(document_.target()));
    // An empty image, or one with no room, changes nothing and so costs no undo step.
    if (t.empty()) return;
    push_undo(Msg::PasteFromClipboard, t, [&](Package& target) { target.copy_rect(image, 0, 0, t.width(), t.height(), t.left, t.top); });
    views_.view(Side::target).select(t);
}

}  // namespace tilesmith
